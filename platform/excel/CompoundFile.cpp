#include "OvCoordSystem/excel/CompoundFile_p.h"

#include <QtEndian>

// Layout of the compound file (Microsoft [MS-CFB], version 3):
//   header (512 bytes) | FAT sectors | DIFAT sectors | one directory sector | stream sectors
// The header lists the first 109 FAT sectors; larger files chain DIFAT sectors of 127 entries.

namespace cfb {
namespace {

constexpr int kSectorSize = 512;
constexpr int kHeaderFatSlots = 109;
constexpr int kFatEntriesPerSector = kSectorSize / 4;
constexpr int kDifatEntriesPerSector = kFatEntriesPerSector - 1; // the last slot chains
constexpr int kDirectoryEntrySize = 128;
constexpr int kMiniStreamCutoff = 4096;

constexpr quint32 kDifSect = 0xFFFFFFFCu;
constexpr quint32 kFatSect = 0xFFFFFFFDu;
constexpr quint32 kEndOfChain = 0xFFFFFFFEu;
constexpr quint32 kFreeSect = 0xFFFFFFFFu;
constexpr quint32 kNoStream = 0xFFFFFFFFu;

constexpr quint8 kTypeStream = 2;
constexpr quint8 kTypeRoot = 5;
constexpr quint8 kColourBlack = 1;

void put16(QByteArray& out, int at, quint16 v)
{
    qToLittleEndian(v, out.data() + at);
}
void put32(QByteArray& out, int at, quint32 v)
{
    qToLittleEndian(v, out.data() + at);
}

int ceilDiv(qint64 a, int b)
{
    return int((a + b - 1) / b);
}

// One 128-byte directory entry at `at`; `child` is the entry's only child (or none).
void putDirectoryEntry(QByteArray& out, int at, const QString& name, quint8 type, quint32 child,
    quint32 startSector, quint32 size)
{
    const int units = qMin(name.size(), 31); // 32 UTF-16 units including the terminator
    for (int i = 0; i < units; ++i)
        put16(out, at + 2 * i, name.at(i).unicode());
    put16(out, at + 64, quint16((units + 1) * 2));
    out[at + 66] = char(type);
    out[at + 67] = char(kColourBlack);
    put32(out, at + 68, kNoStream); // left sibling
    put32(out, at + 72, kNoStream); // right sibling
    put32(out, at + 76, child);
    put32(out, at + 116, startSector);
    put32(out, at + 120, size);
}

void putEmptyDirectoryEntry(QByteArray& out, int at)
{
    put32(out, at + 68, kNoStream);
    put32(out, at + 72, kNoStream);
    put32(out, at + 76, kNoStream);
}

} // namespace

QByteArray singleStreamFile(const QString& streamName, const QByteArray& stream)
{
    QByteArray content = stream;
    if (content.size() < kMiniStreamCutoff)
        content.append(QByteArray(kMiniStreamCutoff - content.size(), '\0'));

    // The FAT must also map its own sectors and the DIFAT sectors: iterate to the fixed point.
    const int streamSectors = ceilDiv(content.size(), kSectorSize);
    const int fixedSectors = streamSectors + 1; // + directory
    int fatSectors = 0;
    int difatSectors = 0;
    for (;;) {
        const int total = fixedSectors + fatSectors + difatSectors;
        const int fat = ceilDiv(total, kFatEntriesPerSector);
        const int difat
            = fat > kHeaderFatSlots ? ceilDiv(fat - kHeaderFatSlots, kDifatEntriesPerSector) : 0;
        if (fat == fatSectors && difat == difatSectors) break;
        fatSectors = fat;
        difatSectors = difat;
    }
    const quint32 firstDifat = quint32(fatSectors);
    const quint32 directorySector = firstDifat + quint32(difatSectors);
    const quint32 firstStreamSector = directorySector + 1;
    const int totalSectors = int(firstStreamSector) + streamSectors;

    QByteArray out(kSectorSize * (1 + totalSectors), '\0');
    auto sectorOffset = [](quint32 sector) { return kSectorSize * (1 + int(sector)); };

    // Header.
    static const unsigned char kSignature[8] = { 0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1 };
    for (int i = 0; i < 8; ++i)
        out[i] = char(kSignature[i]);
    put16(out, 0x18, 0x003E); // minor version
    put16(out, 0x1A, 0x0003); // major version 3: 512-byte sectors
    put16(out, 0x1C, 0xFFFE); // little-endian byte order mark
    put16(out, 0x1E, 9); // sector size 2^9
    put16(out, 0x20, 6); // mini sector size 2^6
    put32(out, 0x2C, quint32(fatSectors));
    put32(out, 0x30, directorySector);
    put32(out, 0x38, kMiniStreamCutoff);
    put32(out, 0x3C, kEndOfChain); // no mini FAT
    put32(out, 0x44, difatSectors ? firstDifat : kEndOfChain);
    put32(out, 0x48, quint32(difatSectors));
    for (int i = 0; i < kHeaderFatSlots; ++i)
        put32(out, 0x4C + 4 * i, i < fatSectors ? quint32(i) : kFreeSect);

    // DIFAT sectors: FAT sector numbers beyond the header's 109, then the next DIFAT sector.
    for (int d = 0; d < difatSectors; ++d) {
        const int at = sectorOffset(firstDifat + quint32(d));
        for (int i = 0; i < kDifatEntriesPerSector; ++i) {
            const int fat = kHeaderFatSlots + d * kDifatEntriesPerSector + i;
            put32(out, at + 4 * i, fat < fatSectors ? quint32(fat) : kFreeSect);
        }
        const bool last = d + 1 == difatSectors;
        put32(
            out, at + 4 * kDifatEntriesPerSector, last ? kEndOfChain : firstDifat + quint32(d) + 1);
    }

    // FAT: every entry starts free, then the chains are filled in.
    const int fatAt = sectorOffset(0);
    auto setFat = [&](quint32 sector, quint32 next) { put32(out, fatAt + 4 * int(sector), next); };
    for (int i = 0; i < fatSectors * kFatEntriesPerSector; ++i)
        put32(out, fatAt + 4 * i, kFreeSect);
    for (int i = 0; i < fatSectors; ++i)
        setFat(quint32(i), kFatSect);
    for (int i = 0; i < difatSectors; ++i)
        setFat(firstDifat + quint32(i), kDifSect);
    setFat(directorySector, kEndOfChain);
    for (int i = 0; i < streamSectors; ++i) {
        const quint32 sector = firstStreamSector + quint32(i);
        setFat(sector, i + 1 == streamSectors ? kEndOfChain : sector + 1);
    }

    // Directory: the root storage with the stream as its only child, then unused entries.
    const int dirAt = sectorOffset(directorySector);
    putDirectoryEntry(out, dirAt, QStringLiteral("Root Entry"), kTypeRoot, 1, kEndOfChain, 0);
    putDirectoryEntry(out, dirAt + kDirectoryEntrySize, streamName, kTypeStream, kNoStream,
        firstStreamSector, quint32(content.size()));
    for (int i = 2; i < kSectorSize / kDirectoryEntrySize; ++i)
        putEmptyDirectoryEntry(out, dirAt + i * kDirectoryEntrySize);

    out.replace(sectorOffset(firstStreamSector), content.size(), content);
    return out;
}

} // namespace cfb
