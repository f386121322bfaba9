// Feeds arbitrary bytes to the music's decoding, as the music player hands it
// a file. Every page's checksum is set right first, so that the bytes changed
// reach the decoder instead of only failing their page's check.
#include "ui/musicdecoder.h"

#include <ogg/ogg.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void SetPageChecksums(QByteArray& file) {
    constexpr qsizetype HeaderSize = 27; // up to the segment table
    qsizetype at = file.indexOf("OggS");
    while (at >= 0 && file.size() - at >= HeaderSize) {
        auto* page = reinterpret_cast<unsigned char*>(file.data() + at);
        const qsizetype header = HeaderSize + page[HeaderSize - 1];
        qsizetype body = 0;
        for (qsizetype i = HeaderSize; i < header && at + i < file.size(); ++i)
            body += page[i];
        // A whole page is set right and skipped; a cut one only skipped over.
        if (file.size() - at < header + body) {
            at = file.indexOf("OggS", at + 1);
            continue;
        }
        ogg_page whole{page, static_cast<long>(header), page + header, static_cast<long>(body)};
        ogg_page_checksum_set(&whole);
        at = file.indexOf("OggS", at + header + body);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    SetPageChecksums(file);
    // Whatever the file holds, the music is whole frames, ten minutes at most.
    const TMusicSamples samples = DecodeMusic(file);
    if (samples.size() % MusicChannels != 0 ||
        static_cast<qint64>(samples.size()) > MaxMusicFrames * MusicChannels)
        std::abort();
    return 0;
}
