#include "musicdecoder.h"

#include <QFile>
#include <QSysInfo>

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace {

constexpr int FrameBytes = MusicChannels * 2;

// libvorbisfile reads the file from memory through these.
struct TMemoryFile {
    const char* Data;
    size_t Size;
    size_t At;
};

size_t ReadMemory(void* to, size_t size, size_t count, void* source) {
    auto* file = static_cast<TMemoryFile*>(source);
    if (size == 0)
        return 0;
    const size_t items = std::min(count, (file->Size - file->At) / size);
    std::memcpy(to, file->Data + file->At, items * size);
    file->At += items * size;
    return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto* file = static_cast<TMemoryFile*>(source);
    const auto size = static_cast<ogg_int64_t>(file->Size);
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR)
        base = static_cast<ogg_int64_t>(file->At);
    else if (whence == SEEK_END)
        base = size;
    else if (whence != SEEK_SET)
        return -1;
    // Both values lie within a file held in memory, so the sum cannot overflow
    // unless the offset is absurd; such an offset is refused first.
    if (offset < -size || offset > size || base + offset < 0 || base + offset > size)
        return -1;
    file->At = static_cast<size_t>(base + offset);
    return 0;
}

long TellMemory(void* source) {
    return static_cast<long>(static_cast<TMemoryFile*>(source)->At);
}

bool IsMusicFormat(const vorbis_info* info) {
    return info && info->channels == MusicChannels && info->rate == MusicSampleRate;
}

} // namespace

TMusicSamples DecodeMusic(const QByteArray& ogg, const std::atomic<bool>* cancel) {
    TMemoryFile file{ogg.constData(), static_cast<size_t>(ogg.size()), 0};
    const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    OggVorbis_File vf;
    if (ov_open_callbacks(&file, &vf, nullptr, 0, callbacks) != 0)
        return {};
    TMusicSamples samples;
    bool ok = IsMusicFormat(ov_info(&vf, -1));
    const ogg_int64_t total = ok ? ov_pcm_total(&vf, -1) : 0;
    ok = ok && total > 0 && total <= MaxMusicFrames;
    if (ok)
        samples.reserve(static_cast<size_t>(total) * MusicChannels);
    char buffer[4096];
    const int bigEndian = QSysInfo::ByteOrder == QSysInfo::BigEndian ? 1 : 0;
    while (ok) {
        if (cancel && cancel->load()) {
            ok = false;
            break;
        }
        int section = 0;
        const long bytes = ov_read(&vf, buffer, sizeof buffer, bigEndian, 2, 1, &section);
        if (bytes == 0)
            break;
        // A hole in the stream, a chained stream of another format, a length
        // that is not whole frames, or more than ten minutes: damaged.
        ok = bytes > 0 && bytes % FrameBytes == 0 && IsMusicFormat(ov_info(&vf, section)) &&
             static_cast<qint64>(samples.size() / MusicChannels) + bytes / FrameBytes <=
                 MaxMusicFrames;
        if (ok) {
            const size_t at = samples.size();
            samples.resize(at + static_cast<size_t>(bytes) / 2);
            std::memcpy(samples.data() + at, buffer, static_cast<size_t>(bytes));
        }
    }
    ov_clear(&vf);
    if (!ok)
        return {};
    return samples;
}

TMusicDecoding::TMusicDecoding(TReceiver receiver) : receiver_(std::move(receiver)) {}

TMusicDecoding::~TMusicDecoding() {
    Cancel();
}

void TMusicDecoding::Start(const QString& path) {
    Cancel();
    worker_ = std::thread([this, path] {
        QFile file(path);
        TMusicSamples samples;
        if (file.open(QIODevice::ReadOnly))
            samples = DecodeMusic(file.readAll(), &cancel_);
        // The analyser cannot see that the decoding outlives its worker.
        // NOLINTNEXTLINE(clang-analyzer-core.CallAndMessage)
        if (!cancel_.load() && receiver_)
            receiver_(std::make_shared<const TMusicSamples>(std::move(samples)));
    });
}

void TMusicDecoding::Cancel() {
    if (!worker_.joinable())
        return;
    cancel_ = true;
    worker_.join();
    cancel_ = false;
}
