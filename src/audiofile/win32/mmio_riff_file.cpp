// RIFF chunk walking through mmio.
#include "audiofile/win32/mmio_riff_file.h"

#include <vector>

namespace lomvex {

std::unique_ptr<MmioRiffFile> MmioRiffFile::Open(const std::string& path) {
    std::vector<char> name(path.begin(), path.end());
    name.push_back('\0');
    HMMIO handle = mmioOpenA(name.data(), nullptr, MMIO_READ | MMIO_ALLOCBUF);
    if (handle == nullptr) return nullptr;
    return std::unique_ptr<MmioRiffFile>(new MmioRiffFile(handle));
}

MmioRiffFile::~MmioRiffFile() { mmioClose(handle_, 0); }

size_t MmioRiffFile::Read(void* destination, size_t count) {
    LONG read = mmioRead(handle_, static_cast<HPSTR>(destination), static_cast<LONG>(count));
    return read > 0 ? static_cast<size_t>(read) : 0;
}

bool MmioRiffFile::Seek(uint32_t offset) {
    return mmioSeek(handle_, static_cast<LONG>(offset), SEEK_SET) != -1;
}

uint32_t MmioRiffFile::Tell() {
    LONG position = mmioSeek(handle_, 0, SEEK_CUR);
    return position < 0 ? 0 : static_cast<uint32_t>(position);
}

uint32_t MmioRiffFile::Length() {
    LONG position = mmioSeek(handle_, 0, SEEK_CUR);
    LONG end = mmioSeek(handle_, 0, SEEK_END);
    mmioSeek(handle_, position, SEEK_SET);
    return end < 0 ? 0 : static_cast<uint32_t>(end);
}

bool MmioRiffFile::DescendRiff(uint32_t& formType) {
    depth_ = 0;
    riff_ = {};
    if (mmioDescend(handle_, &riff_, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR) return false;
    formType = riff_.fccType;
    depth_ = 1;
    return true;
}

bool MmioRiffFile::DescendChunk(uint32_t id, uint32_t& size) {
    if (depth_ == 0) return false;
    // Search from the first sub-chunk, so the order of chunks does not matter.
    mmioSeek(handle_, static_cast<LONG>(riff_.dwDataOffset + 4), SEEK_SET);
    depth_ = 1;
    chunk_ = {};
    chunk_.ckid = id;
    if (mmioDescend(handle_, &chunk_, &riff_, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return false;
    size = chunk_.cksize;
    depth_ = 2;
    return true;
}

void MmioRiffFile::Ascend() {
    if (depth_ == 2) mmioAscend(handle_, &chunk_, 0);
    if (depth_ == 1) mmioAscend(handle_, &riff_, 0);
    if (depth_ > 0) --depth_;
}

}  // namespace lomvex
