// The run's decoder of a compressed file to 16-bit PCM: the Audio
// Compression Manager's stream where one opens, else, for Ogg Vorbis, the
// program's own decode of the whole file (audiofile/decoded_vorbis.h),
// handed out per buffer as a stream would give it. The output of an MP3
// whose LAME tag gives the encoder's delay and padding is cut to what was
// encoded (audiofile/gapless_span.h).
//
// Pairing: OpenDecoder at the start of a playback or save; PrepareDecoder
// once the buffers exist; DecodeBuffer per buffer; CloseDecoder (after
// ResetDecoder on Stop) at every end of the run.
#pragma once

#include <cstdint>
#include <vector>

namespace lomvex {

// The open file is compressed and a decoder turns it into PCM.
bool IsDecoding();

// For a file that is not PCM: opens a decoder from the file's format record
// and rewrites the record (and the format state's layout) to describe the
// decoded sound. False after its message when an Ogg file that no codec
// takes does not decode; true otherwise, a decoder open or not.
bool OpenDecoder(uint32_t oneTimeLength);
// The most PCM bytes one one-time length of the file gives.
uint32_t DecoderOutputSize();
// The format record of the decoded sound (WAVEFORMATEX).
const uint8_t* DecodedFormat();
// Where DecodeBuffer writes (`destination`, the staging buffer) and the
// first source it converts.
void PrepareDecoder(uint8_t* source, uint32_t sourceLength, uint8_t* destination);
// Converts `length` bytes read from the file at `source`; returns the
// decoded byte count.
uint32_t DecodeBuffer(uint8_t* source, uint32_t length);
// The sound that follows what DecodeBuffer gave last, at most `bytes` of
// PCM, into `following`, for a seam that moves the decoder next: the
// compression manager's stream decodes a little more of the file (at most
// `sourceLeft` bytes, read from where the file stands), the Vorbis decode
// only looks ahead. Returns the file bytes it read.
uint32_t DecodeFollowing(uint32_t bytes, uint32_t sourceLeft, std::vector<uint8_t>& following);
void ResetDecoder();
// A jump: makes the next DecodeBuffer give the sound from data offset
// `wanted` of the open file (data of `dataSize` bytes at `dataStart`),
// `seconds` into the song, on. An MPEG stream restarts at a frame's header
// a frame before the one that holds that time, and the codec's lag and the
// sound before that time are dropped. `offset` receives where the caller
// reads next. False when the decoder cannot start anywhere but at the
// start.
bool MoveDecoder(uint32_t dataStart, uint32_t dataSize, uint32_t wanted, double seconds,
                 uint32_t& offset);
void CloseDecoder();

}  // namespace lomvex
