// Audio Compression Manager binding.
#include "audiofile/win32/acm_binding.h"

#include "audiofile/byte_source.h"
#include "audiofile/format_record.h"
#include "audiofile/win32/play_file_binding.h"
#include "audiofile/format_state.h"
#include "base/messages.h"

namespace lomvex {

AcmBinding acm;

namespace {

using StreamOpenFn = MMRESULT(WINAPI*)(LPHACMSTREAM, HACMDRIVER, LPWAVEFORMATEX, LPWAVEFORMATEX,
                                       LPWAVEFILTER, DWORD_PTR, DWORD_PTR, DWORD);
using StreamCloseFn = MMRESULT(WINAPI*)(HACMSTREAM, DWORD);
using StreamSizeFn = MMRESULT(WINAPI*)(HACMSTREAM, DWORD, LPDWORD, DWORD);
using StreamHeaderFn = MMRESULT(WINAPI*)(HACMSTREAM, LPACMSTREAMHEADER, DWORD);
using StreamResetFn = MMRESULT(WINAPI*)(HACMSTREAM, DWORD);

struct AcmFunctions {
    StreamOpenFn open = nullptr;
    StreamCloseFn close = nullptr;
    StreamSizeFn size = nullptr;
    StreamHeaderFn convert = nullptr;
    StreamHeaderFn prepare = nullptr;
    StreamHeaderFn unprepare = nullptr;
    StreamResetFn reset = nullptr;
} fn;

constexpr DWORD kNonRealTime = 4;  // ACM_STREAMOPENF_NONREALTIME
constexpr DWORD kSourceSize = 0;   // ACM_STREAMSIZEF_SOURCE

// Looks a function up; a missing one is named in a box padded to 18 places.
template <typename Fn>
void Lookup(Fn& target, const char* exportName, const char* shortName) {
    target = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(acm.library, exportName)));
    if (target == nullptr) {
        char text[19];
        wsprintfA(text, "%-18s", shortName);
        ShowDiagnostic(text, "", BoxOwner::None);
    }
}

bool LoadLibraryOnce() {
    if (acm.library != nullptr) return true;
    HMODULE library = LoadLibraryA("MSACM32.DLL");
    if (reinterpret_cast<UINT_PTR>(library) < 32) return false;
    acm.library = library;
    Lookup(fn.open, "acmStreamOpen", "AcmOpen");
    Lookup(fn.close, "acmStreamClose", "AcmClose");
    Lookup(fn.size, "acmStreamSize", "AcmSize");
    Lookup(fn.convert, "acmStreamConvert", "AcmConvert");
    Lookup(fn.prepare, "acmStreamPrepareHeader", "AcmPrepareHeader");
    Lookup(fn.unprepare, "acmStreamUnprepareHeader", "AcmUnprepareHeader");
    Lookup(fn.reset, "acmStreamReset", "AcmReset");
    return true;
}

bool AllFunctionsFound() {
    return fn.open && fn.close && fn.size && fn.convert && fn.prepare && fn.unprepare && fn.reset;
}

// MPEG Layer-3 output can be far larger than the size the codec reports.
uint32_t Mp3OutputFloor(uint32_t outputSize, uint32_t oneTimeLength, unsigned rateKhz) {
    uint32_t factor = rateKhz >= 48 ? 49 : 45;
    if (oneTimeLength == 0 || outputSize / oneTimeLength >= factor) return outputSize;
    return factor * oneTimeLength;
}

bool QueryMapper(const uint8_t* record) {
    return waveOutOpen(nullptr, WAVE_MAPPER, reinterpret_cast<const WAVEFORMATEX*>(record), 0, 0,
                       WAVE_FORMAT_QUERY) == MMSYSERR_NOERROR;
}

void PutFormat(uint8_t* record, uint16_t tag, uint16_t channels, uint32_t rate, uint32_t bytes,
               uint16_t align, uint16_t bits, uint16_t cbSize) {
    PutU16Le(record + kFmtTag, tag);
    PutU16Le(record + kFmtChannels, channels);
    PutU32Le(record + kFmtSamplesPerSec, rate);
    PutU32Le(record + kFmtAvgBytesPerSec, bytes);
    PutU16Le(record + kFmtBlockAlign, align);
    PutU16Le(record + kFmtBitsPerSample, bits);
    PutU16Le(record + kFmtCbSize, cbSize);
}

void PrepareHeader() {
    MMRESULT result = fn.prepare(acm.stream, &acm.header, 0);
    ShowMmError(result, "acm_prepare");
    acm.headerPrepared = result == MMSYSERR_NOERROR;
}

}  // namespace

void LoadAcm(uint32_t oneTimeLength, bool quietOpenFailure) {
    acm.stream = nullptr;
    uint8_t* record = fileFormat.Data();
    if (record == nullptr) return;
    FormatFields source = ReadFormatFields(record);
    if (source.tag == kTagPcm) return;
    if (!LoadLibraryOnce() || !AllFunctionsFound()) return;

    acm.target = {};
    acm.target.wFormatTag = WAVE_FORMAT_PCM;
    acm.target.nChannels = source.channels;
    acm.target.nSamplesPerSec = source.samplesPerSec;
    acm.target.nBlockAlign = static_cast<WORD>(2 * source.channels);
    acm.target.wBitsPerSample = 16;
    acm.target.nAvgBytesPerSec = acm.target.nBlockAlign * source.samplesPerSec;
    formatState.layout = source.channels == 1 ? 1 : 3;

    HACMSTREAM stream = nullptr;
    MMRESULT result = fn.open(&stream, nullptr, reinterpret_cast<LPWAVEFORMATEX>(record),
                              &acm.target, nullptr, 0, 0, kNonRealTime);
    // Only a stream that really opened is used; an unnamed failure must not
    // leave whatever the call wrote into the handle.
    if (result != MMSYSERR_NOERROR) {
        if (!quietOpenFailure) ShowMmError(result, "acm_open");
        return;
    }
    acm.stream = stream;

    DWORD outputSize = 0;
    ShowMmError(fn.size(acm.stream, oneTimeLength, &outputSize, kSourceSize), "acm_size_def");
    acm.outputSize = outputSize;
    if (source.tag == kTagMpegLayer3)
        acm.outputSize = Mp3OutputFloor(acm.outputSize, oneTimeLength, formatState.rateKhz);

    uint16_t blockAlign = static_cast<uint16_t>(source.channels * 16 / 8);
    PutU16Le(record + kFmtTag, kTagPcm);
    PutU16Le(record + kFmtBitsPerSample, 16);
    PutU16Le(record + kFmtBlockAlign, blockAlign);
    PutU32Le(record + kFmtAvgBytesPerSec, source.samplesPerSec * blockAlign);
}

void PrepareAcmHeader(uint8_t* source, uint32_t sourceLength, uint8_t* destination) {
    acm.header = {};
    acm.header.cbStruct = sizeof(ACMSTREAMHEADER);
    acm.header.pbSrc = source;
    acm.header.cbSrcLength = sourceLength;
    acm.header.pbDst = destination;
    acm.header.cbDstLength = acm.outputSize;
    PrepareHeader();
}

uint32_t AcmConvert(uint8_t* source, uint32_t length, uint8_t* destination, uint32_t capacity) {
    if (acm.headerPrepared) fn.unprepare(acm.stream, &acm.header, 0);
    acm.headerPrepared = false;
    acm.header.pbSrc = source;
    acm.header.cbSrcLength = length;
    acm.header.pbDst = destination;
    acm.header.cbDstLength = capacity;
    PrepareHeader();
    const DWORD flags = acm.startNext ? ACM_STREAMCONVERTF_START : 0;
    acm.startNext = false;
    ShowMmError(fn.convert(acm.stream, &acm.header, flags), "acm_convert");
    return acm.header.cbDstLengthUsed;
}

void ResetAcmStream() {
    if (acm.stream == nullptr) return;
    ShowMmError(fn.reset(acm.stream, 0), "acm_reset");
    acm.startNext = true;
}

void CloseAcmStream() {
    if (acm.stream == nullptr) return;
    if (acm.headerPrepared) ShowMmError(fn.unprepare(acm.stream, &acm.header, 0), "acm_Unprepare");
    acm.headerPrepared = false;
    ShowMmError(fn.close(acm.stream, 0), "acm_close");
    acm.stream = nullptr;
}

void FreeAcmLibrary() {
    if (acm.library == nullptr) return;
    FreeLibrary(acm.library);
    acm.library = nullptr;
}

std::string AcmFormatTagName(uint16_t tag) {
    using TagDetailsFn = MMRESULT(WINAPI*)(HACMDRIVER, LPACMFORMATTAGDETAILSA, DWORD);
    HMODULE library = LoadLibraryA("MSACM32.DLL");
    if (reinterpret_cast<UINT_PTR>(library) < 32) return "";
    auto details = reinterpret_cast<TagDetailsFn>(
        reinterpret_cast<void*>(GetProcAddress(library, "acmFormatTagDetailsA")));
    std::string name;
    if (details) {
        ACMFORMATTAGDETAILSA query = {};
        query.cbStruct = sizeof query;
        query.dwFormatTag = tag;
        if (details(nullptr, &query, ACM_FORMATTAGDETAILSF_FORMATTAG) == MMSYSERR_NOERROR)
            name = query.szFormatTag;
    }
    FreeLibrary(library);
    return name;
}

bool ProbeMp3Codec() {
    uint8_t record[30] = {};
    PutFormat(record, kTagMpegLayer3, 2, 24000, 7000, 1, 0, 12);
    PutU16Le(record + 18, 1);     // id
    PutU32Le(record + 20, 2);     // flags
    PutU16Le(record + 24, 168);   // block size
    PutU16Le(record + 26, 1);     // frames per block
    PutU16Le(record + 28, 1393);  // codec delay
    return QueryMapper(record);
}

}  // namespace lomvex
