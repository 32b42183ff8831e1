#include "OvCoordSystem/archive/ZipCoder.h"

#include <zip.h>

#include <memory>
#include <vector>

namespace {
// Deflate level of every entry (1 fastest .. 9 smallest).
constexpr zip_uint32_t kDeflateLevel = 1;
} // namespace

CZipCoder::CZipFileVisitor::CZipFileVisitor() = default;
CZipCoder::CZipFileVisitor::~CZipFileVisitor() = default;
void CZipCoder::CZipFileVisitor::zipFileComplete(CZipCoder*, bool) { }

CZipCoder::CZipCoder() = default;
CZipCoder::~CZipCoder() = default;

bool CZipCoder::ZipFile(const std::string& zipPath, CZipFileVisitor* visitor,
    const std::string& password, E_ZIP_APPEND_STATUS appendStatus)
{
    m_lastError.clear();
    if (!visitor) {
        m_lastError = "no file visitor";
        return false;
    }
    const bool ok = packFiles(zipPath, *visitor, password, appendStatus);
    visitor->zipFileComplete(this, ok);
    return ok;
}

bool CZipCoder::packFiles(const std::string& zipPath, CZipFileVisitor& visitor,
    const std::string& password, E_ZIP_APPEND_STATUS appendStatus)
{
    int flags = 0;
    switch (appendStatus) {
    case ZIP_APPEND_STATUS_CREATE:
        flags = ZIP_CREATE | ZIP_TRUNCATE;
        break;
    case ZIP_APPEND_STATUS_ADDINZIP:
        flags = ZIP_CREATE;
        break;
    default:
        m_lastError = "unknown append status";
        return false;
    }
    if (zipPath.empty()) {
        m_lastError = "empty archive path";
        return false;
    }

    int openError = 0;
    zip_t* archive = zip_open(zipPath.c_str(), flags, &openError);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, openError);
        m_lastError = std::string("can't open the archive: ") + zip_error_strerror(&error);
        zip_error_fini(&error);
        return false;
    }
    // Until zip_close nothing touches the disk; zip_discard leaves an existing file as it was.
    auto fail = [&](const std::string& reason) {
        m_lastError = reason;
        zip_discard(archive);
        return false;
    };

    // libzip reads the buffers only in zip_close, so they live until then.
    std::vector<std::unique_ptr<char[]>> buffers;
    for (;;) {
        char* data = nullptr;
        std::size_t size = 0;
        std::string name;
        if (!visitor.nextFile(this, data, size, name)) break;
        buffers.emplace_back(data);
        if (name.empty()) return fail("a file without an entry name");
        if (!data && size > 0) return fail("no data for the entry " + name);
        zip_source_t* source = zip_source_buffer(archive, data, size, 0);
        const zip_int64_t index
            = source ? zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8) : -1;
        if (index < 0) {
            zip_source_free(source);
            return fail("can't add " + name + ": " + zip_strerror(archive));
        }
        // The fastest level of standard deflate: several times faster than the default level on
        // large text such as KML, a little larger, and read by every zip reader.
        if (zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_DEFLATE, kDeflateLevel)
            != 0)
            return fail("can't set the compression of " + name + ": " + zip_strerror(archive));
        if (!password.empty()
            && zip_file_set_encryption(
                   archive, zip_uint64_t(index), ZIP_EM_AES_256, password.c_str())
                != 0)
            return fail("can't encrypt " + name + ": " + zip_strerror(archive));
    }
    // An archive left without entries would be deleted by zip_close, the old file with it.
    if (buffers.empty()) return fail("no file to pack");
    if (zip_close(archive) != 0)
        return fail(std::string("can't write the archive: ") + zip_strerror(archive));
    return true;
}
