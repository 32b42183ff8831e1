#include "OvCoordSystem/archive/ZipCoder.h"

#include <QDir>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

using Files = std::vector<std::pair<std::string, QByteArray>>;

// Hands out the given files in order, each in a fresh new[] buffer, as a caller of the coder
// must (a null array gives a null buffer); counts the completion calls.
class ListVisitor : public CZipCoder::CZipFileVisitor
{
public:
    explicit ListVisitor(Files files, bool nullBuffers = false)
        : m_files(std::move(files))
        , m_nullBuffers(nullBuffers)
    { }

    bool nextFile(CZipCoder*, char*& data, std::size_t& size, std::string& entryName) override
    {
        if (m_next == m_files.size()) return false;
        const auto& file = m_files[m_next++];
        data = nullptr;
        if (!file.second.isNull() && !m_nullBuffers) {
            data = new char[size_t(file.second.size())];
            std::memcpy(data, file.second.constData(), size_t(file.second.size()));
        }
        size = size_t(file.second.size());
        entryName = file.first;
        return true;
    }

    void zipFileComplete(CZipCoder*, bool succeeded) override { completions.push_back(succeeded); }

    std::vector<bool> completions;

private:
    Files m_files;
    bool m_nullBuffers;
    size_t m_next = 0;
};

// Every entry of the archive with its content, read back with libzip; with a password the
// entries are opened as encrypted ones. An entry that does not open maps to a null array.
QMap<QString, QByteArray> readArchive(const std::string& path, const char* password = nullptr)
{
    QMap<QString, QByteArray> entries;
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!archive) return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        zip_stat_t st;
        zip_stat_index(archive, zip_uint64_t(i), 0, &st);
        zip_file_t* file = zip_fopen_index_encrypted(archive, zip_uint64_t(i), 0, password);
        QByteArray content;
        if (file) {
            content.resize(int(st.size));
            if (zip_fread(file, content.data(), st.size) != zip_int64_t(st.size))
                content = QByteArray();
            zip_fclose(file);
        }
        entries.insert(QString::fromUtf8(st.name), content);
    }
    zip_close(archive);
    return entries;
}

const QByteArray kKml = QStringLiteral(
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><kml><Folder><name>下载范围</name></Folder></kml>")
                            .toUtf8()
                            .repeated(200);

} // namespace

class ZipCoder : public ::testing::Test
{
protected:
    std::string path(const QString& name) const { return m_dir.filePath(name).toStdString(); }
    bool zip(const std::string& zipPath, Files files,
        E_ZIP_APPEND_STATUS status = ZIP_APPEND_STATUS_CREATE)
    {
        ListVisitor visitor(std::move(files));
        return m_coder.ZipFile(zipPath, &visitor, std::string(), status);
    }
    QTemporaryDir m_dir;
    CZipCoder m_coder;
};

TEST_F(ZipCoder, PacksAddsReplacesAndEncryptsEntriesThatUnzipReads)
{
    ListVisitor visitor(
        { { "out.kml", kKml }, { "图层/点.kml", QByteArray("a") }, { "空.txt", QByteArray() } });
    const std::string kmz = path(QStringLiteral("范围.kmz"));
    ASSERT_TRUE(m_coder.ZipFile(kmz, &visitor, std::string(), ZIP_APPEND_STATUS_CREATE))
        << m_coder.GetLastError();
    EXPECT_EQ(m_coder.GetLastError(), "");
    EXPECT_EQ(visitor.completions, std::vector<bool>({ true }));
    QMap<QString, QByteArray> expected { { QStringLiteral("out.kml"), kKml },
        { QStringLiteral("图层/点.kml"), QByteArray("a") }, { QStringLiteral("空.txt"), "" } };
    EXPECT_EQ(readArchive(kmz), expected);
    EXPECT_LT(QFileInfo(QString::fromStdString(kmz)).size(), kKml.size() / 10); // deflated

    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), { QStringLiteral("-l"), QString::fromStdString(kmz) });
    unzip.waitForFinished(60000);
    const QString listing = QString::fromUtf8(unzip.readAllStandardOutput());
    EXPECT_TRUE(listing.contains(QStringLiteral(" 图层/点.kml\n"))) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("3 files"))) << listing.toStdString();

    // Adding keeps what is there and refuses a name already taken; creating replaces it all.
    ASSERT_TRUE(zip(kmz, { { "b.kml", QByteArray("b") } }, ZIP_APPEND_STATUS_ADDINZIP))
        << m_coder.GetLastError();
    EXPECT_FALSE(zip(kmz, { { "out.kml", QByteArray("x") } }, ZIP_APPEND_STATUS_ADDINZIP));
    expected.insert(QStringLiteral("b.kml"), "b");
    EXPECT_EQ(readArchive(kmz), expected);
    ASSERT_TRUE(zip(kmz, { { "c.kml", QByteArray("c") } }));
    EXPECT_EQ(readArchive(kmz).keys(), QStringList({ QStringLiteral("c.kml") }));

    // A password encrypts every entry.
    const std::string secret = path(QStringLiteral("secret.zip"));
    ListVisitor doc({ { "doc.kml", kKml } });
    ASSERT_TRUE(m_coder.ZipFile(secret, &doc, "口令 secret", ZIP_APPEND_STATUS_CREATE))
        << m_coder.GetLastError();
    EXPECT_TRUE(readArchive(secret).first().isNull()); // needs the password
    EXPECT_TRUE(readArchive(secret, "wrong").first().isNull());
    EXPECT_EQ(readArchive(secret, "口令 secret").first(), kKml);
}

TEST_F(ZipCoder, FailureLeavesAnExistingArchiveAlone)
{
    const std::string zipPath = path(QStringLiteral("kept.zip"));
    ASSERT_TRUE(zip(zipPath, { { "old.kml", QByteArray("old") } }));
    const struct
    {
        Files files;
        bool nullBuffers;
        std::string zipPath;
        E_ZIP_APPEND_STATUS status;
    } runs[] = {
        { {}, false, zipPath, ZIP_APPEND_STATUS_CREATE }, // nothing to pack
        { { { "new.kml", "new" }, { "", "x" } }, false, zipPath, ZIP_APPEND_STATUS_CREATE },
        { { { "a.kml", "1" }, { "a.kml", "2" } }, false, zipPath, ZIP_APPEND_STATUS_CREATE },
        { { { "x.kml", "x" } }, true, zipPath, ZIP_APPEND_STATUS_CREATE }, // data missing
        { { { "a.kml", "a" } }, false, zipPath, E_ZIP_APPEND_STATUS(1) },
        { { { "a.kml", "a" } }, false, std::string(), ZIP_APPEND_STATUS_CREATE },
        { { { "a.kml", "a" } }, false, path(QStringLiteral("missing/a.zip")),
            ZIP_APPEND_STATUS_CREATE },
        { {}, false, path(QStringLiteral("absent.zip")), ZIP_APPEND_STATUS_CREATE },
    };
    for (const auto& run : runs) {
        ListVisitor visitor(run.files, run.nullBuffers);
        EXPECT_FALSE(m_coder.ZipFile(run.zipPath, &visitor, std::string(), run.status));
        EXPECT_NE(m_coder.GetLastError(), "");
        EXPECT_EQ(visitor.completions, std::vector<bool>({ false }));
    }
    EXPECT_FALSE(m_coder.ZipFile(zipPath, nullptr, std::string(), ZIP_APPEND_STATUS_CREATE));
    EXPECT_EQ(readArchive(zipPath), (QMap<QString, QByteArray> { { "old.kml", "old" } }));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        QStringList({ QStringLiteral("kept.zip") }));
}
