#include "OvCoordSystem/archive/ZipCoder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zip.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

// Hands out the given files in order, each in a fresh new[] buffer, as a caller of the coder
// must; counts the completion calls.
class ListVisitor : public CZipCoder::CZipFileVisitor
{
public:
    explicit ListVisitor(std::vector<std::pair<std::string, QByteArray>> files)
        : m_files(std::move(files))
    { }

    bool nextFile(CZipCoder*, char*& data, std::size_t& size, std::string& entryName) override
    {
        if (m_next == m_files.size()) return false;
        const auto& file = m_files[m_next++];
        data = nullptr;
        if (!file.second.isNull()) {
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
    std::vector<std::pair<std::string, QByteArray>> m_files;
    size_t m_next = 0;
};

// Every entry of the archive with its content, read back with libzip; with a password the
// entries are opened as encrypted ones. An entry that does not open maps to a null array.
QMap<QString, QByteArray> readArchive(const QString& path, const char* password = nullptr)
{
    QMap<QString, QByteArray> entries;
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive) return entries;
    for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
        const QString name = QString::fromUtf8(zip_get_name(archive, zip_uint64_t(i), 0));
        zip_stat_t st;
        zip_stat_index(archive, zip_uint64_t(i), 0, &st);
        zip_file_t* file = password
            ? zip_fopen_index_encrypted(archive, zip_uint64_t(i), 0, password)
            : zip_fopen_index(archive, zip_uint64_t(i), 0);
        QByteArray content;
        if (file) {
            content.resize(int(st.size));
            if (zip_fread(file, content.data(), st.size) != zip_int64_t(st.size))
                content = QByteArray();
            zip_fclose(file);
        }
        entries.insert(name, content);
    }
    zip_close(archive);
    return entries;
}

QString unzipList(const QString& path)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), { QStringLiteral("-l"), path });
    unzip.waitForFinished(60000);
    return QString::fromUtf8(unzip.readAllStandardOutput());
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
    QTemporaryDir m_dir;
    CZipCoder m_coder;
};

TEST_F(ZipCoder, PacksOneKmlEntryThatUnzipLists)
{
    ListVisitor visitor({ { "out.kml", kKml } });
    const std::string kmz = path(QStringLiteral("out.kmz"));
    ASSERT_TRUE(m_coder.ZipFile(kmz, &visitor, std::string(), ZIP_APPEND_STATUS_CREATE))
        << m_coder.GetLastError();
    EXPECT_EQ(m_coder.GetLastError(), "");
    EXPECT_EQ(visitor.completions, std::vector<bool>({ true }));

    const QMap<QString, QByteArray> entries = readArchive(QString::fromStdString(kmz));
    ASSERT_EQ(entries.keys(), QStringList({ QStringLiteral("out.kml") }));
    EXPECT_EQ(entries.first(), kKml);
    EXPECT_LT(QFileInfo(QString::fromStdString(kmz)).size(), kKml.size() / 10); // deflated

    const QString listing = unzipList(QString::fromStdString(kmz));
    EXPECT_TRUE(listing.contains(QStringLiteral(" out.kml\n"))) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QStringLiteral("1 file"))) << listing.toStdString();
}

TEST_F(ZipCoder, KeepsChineseNamesFoldersAndEmptyFiles)
{
    ListVisitor visitor({ { "图层/点.kml", QByteArray("a") }, { "空.txt", QByteArray() },
        { "doc.kml", QByteArray("") } });
    const std::string zip = path(QStringLiteral("范围.zip"));
    ASSERT_TRUE(m_coder.ZipFile(zip, &visitor, std::string(), ZIP_APPEND_STATUS_CREATE))
        << m_coder.GetLastError();
    const QMap<QString, QByteArray> entries = readArchive(QString::fromStdString(zip));
    EXPECT_EQ(entries.keys(),
        QStringList({ QStringLiteral("doc.kml"), QStringLiteral("图层/点.kml"),
            QStringLiteral("空.txt") }));
    EXPECT_EQ(entries.value(QStringLiteral("图层/点.kml")), QByteArray("a"));
    EXPECT_TRUE(entries.value(QStringLiteral("空.txt")).isEmpty());
    EXPECT_TRUE(unzipList(QString::fromStdString(zip)).contains(QStringLiteral("图层/点.kml")));
}

TEST_F(ZipCoder, FailureLeavesAnExistingArchiveAlone)
{
    const std::string zip = path(QStringLiteral("kept.zip"));
    ListVisitor original({ { "old.kml", QByteArray("old") } });
    ASSERT_TRUE(m_coder.ZipFile(zip, &original, std::string(), ZIP_APPEND_STATUS_CREATE));

    const std::vector<std::vector<std::pair<std::string, QByteArray>>> badRuns = {
        {}, // nothing to pack
        { { "new.kml", QByteArray("new") }, { "", QByteArray("x") } }, // no entry name
        { { "a.kml", QByteArray("1") }, { "a.kml", QByteArray("2") } }, // same name twice
    };
    for (const auto& files : badRuns) {
        ListVisitor visitor(files);
        EXPECT_FALSE(m_coder.ZipFile(zip, &visitor, std::string(), ZIP_APPEND_STATUS_CREATE));
        EXPECT_NE(m_coder.GetLastError(), "");
        EXPECT_EQ(visitor.completions, std::vector<bool>({ false }));
    }
    struct NullBuffer : ListVisitor
    {
        using ListVisitor::ListVisitor;
        bool nextFile(CZipCoder* c, char*& data, std::size_t& size, std::string& name) override
        {
            const bool more = ListVisitor::nextFile(c, data, size, name);
            delete[] data;
            data = nullptr; // size stays 1
            return more;
        }
    } nullBuffer({ { "x.kml", QByteArray("x") } });
    EXPECT_FALSE(m_coder.ZipFile(zip, &nullBuffer, std::string(), ZIP_APPEND_STATUS_CREATE));

    const QMap<QString, QByteArray> entries = readArchive(QString::fromStdString(zip));
    EXPECT_EQ(entries.keys(), QStringList({ QStringLiteral("old.kml") }));
    EXPECT_EQ(entries.first(), QByteArray("old"));

    // With nothing to pack and no archive yet, no file appears.
    ListVisitor none({});
    const std::string absent = path(QStringLiteral("absent.zip"));
    EXPECT_FALSE(m_coder.ZipFile(absent, &none, std::string(), ZIP_APPEND_STATUS_CREATE));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(absent)));
}

TEST_F(ZipCoder, RefusesBadArguments)
{
    ListVisitor visitor({ { "a.kml", QByteArray("a") } });
    EXPECT_FALSE(m_coder.ZipFile(
        path(QStringLiteral("a.zip")), nullptr, std::string(), ZIP_APPEND_STATUS_CREATE));
    EXPECT_FALSE(m_coder.ZipFile(std::string(), &visitor, std::string(), ZIP_APPEND_STATUS_CREATE));
    EXPECT_FALSE(m_coder.ZipFile(
        path(QStringLiteral("a.zip")), &visitor, std::string(), E_ZIP_APPEND_STATUS(1)));
    EXPECT_FALSE(m_coder.ZipFile(
        path(QStringLiteral("missing/a.zip")), &visitor, std::string(), ZIP_APPEND_STATUS_CREATE));
    EXPECT_NE(m_coder.GetLastError(), "");
    EXPECT_EQ(visitor.completions, std::vector<bool>({ false, false, false }));
    EXPECT_TRUE(QDir(m_dir.path()).isEmpty());
}

TEST_F(ZipCoder, AddsToAnExistingArchive)
{
    const std::string zip = path(QStringLiteral("add.zip"));
    ListVisitor first({ { "a.kml", QByteArray("a") } });
    ASSERT_TRUE(m_coder.ZipFile(zip, &first, std::string(), ZIP_APPEND_STATUS_ADDINZIP))
        << m_coder.GetLastError();
    ListVisitor second({ { "b.kml", QByteArray("b") } });
    ASSERT_TRUE(m_coder.ZipFile(zip, &second, std::string(), ZIP_APPEND_STATUS_ADDINZIP))
        << m_coder.GetLastError();
    ListVisitor again({ { "a.kml", QByteArray("changed") } });
    EXPECT_FALSE(m_coder.ZipFile(zip, &again, std::string(), ZIP_APPEND_STATUS_ADDINZIP));

    const QMap<QString, QByteArray> entries = readArchive(QString::fromStdString(zip));
    EXPECT_EQ(entries.value(QStringLiteral("a.kml")), QByteArray("a"));
    EXPECT_EQ(entries.value(QStringLiteral("b.kml")), QByteArray("b"));
    EXPECT_EQ(entries.size(), 2);

    // Create mode replaces the whole archive.
    ListVisitor fresh({ { "c.kml", QByteArray("c") } });
    ASSERT_TRUE(m_coder.ZipFile(zip, &fresh, std::string(), ZIP_APPEND_STATUS_CREATE));
    EXPECT_EQ(
        readArchive(QString::fromStdString(zip)).keys(), QStringList({ QStringLiteral("c.kml") }));
}

TEST_F(ZipCoder, PasswordEncryptsEveryEntry)
{
    const std::string zip = path(QStringLiteral("secret.zip"));
    ListVisitor visitor({ { "doc.kml", kKml } });
    ASSERT_TRUE(m_coder.ZipFile(zip, &visitor, "口令 secret", ZIP_APPEND_STATUS_CREATE))
        << m_coder.GetLastError();
    EXPECT_TRUE(readArchive(QString::fromStdString(zip)).first().isNull()); // needs the password
    EXPECT_TRUE(readArchive(QString::fromStdString(zip), "wrong").first().isNull());
    EXPECT_EQ(readArchive(QString::fromStdString(zip), "口令 secret").first(), kKml);
}
