// Decoding compressed sound to 16-bit PCM through the Audio Compression
// Manager, loaded at run time, and the MPEG codec probe.
//
// Used through the run's decoder (sound_decoder.h). Pairing: LoadAcm at the start of a playback or
// save; PrepareAcmHeader once the buffers exist; AcmConvert per buffer; CloseAcmStream (after
// ResetAcmStream on Stop) at every end of the run. The library stays loaded.
#pragma once

// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <mmreg.h>
#include <msacm.h>
// clang-format on

#include <cstdint>
#include <string>

namespace lomvex {

struct AcmBinding {
    HMODULE library = nullptr;
    HACMSTREAM stream = nullptr;  // null when no stream is open
    ACMSTREAMHEADER header = {};  // reused for every conversion
    bool headerPrepared = false;  // the stream holds `header` prepared
    WAVEFORMATEX target = {};     // 16-bit PCM, the file's channels and rate
    uint32_t outputSize = 0;      // PCM bytes one one-time length may give
    bool startNext = false;       // the next conversion begins a new stream
};

extern AcmBinding acm;

// For a file that is not PCM: opens a stream from the file's format record
// to 16-bit PCM and rewrites the record (and the format state's layout) to
// describe the decoded sound. On any failure the stream stays null; a
// failed open is named in a box unless `quietOpenFailure` (the caller
// decodes the file another way then).
void LoadAcm(uint32_t oneTimeLength, bool quietOpenFailure);
// Points the stream header's destination at `destination` (the staging
// buffer) with the output size, its source at `source`, and prepares it.
void PrepareAcmHeader(uint8_t* source, uint32_t sourceLength, uint8_t* destination);
// Converts `length` bytes at `source` into `destination` (room for
// `capacity` bytes); returns the decoded byte count.
uint32_t AcmConvert(uint8_t* source, uint32_t length, uint8_t* destination, uint32_t capacity);
// Drops what the codec holds of the stream so far: the next conversion
// starts afresh (a synchronous stream's reset alone leaves the codec as
// it is; the conversion's start flag is what clears it).
void ResetAcmStream();
// Unprepares the header if it is prepared, then closes the stream if one is
// open; does nothing otherwise, so it may be called at any end of a run.
void CloseAcmStream();
void FreeAcmLibrary();

// The compression manager's name for a format tag, "" when it names none
// (or is not there). Loads the library for the question and unloads it.
std::string AcmFormatTagName(uint16_t tag);

// True when the wave mapper takes MPEG Layer-3 sound.
bool ProbeMp3Codec();

}  // namespace lomvex
