#pragma once

#include "OvCoordSystem/OvPlatformGlobal.h"

#include <cstddef>
#include <string>

// How CZipCoder::ZipFile treats an archive that already exists at the path.
enum E_ZIP_APPEND_STATUS
{
    ZIP_APPEND_STATUS_CREATE = 0, // a new archive; an existing file is replaced when done
    ZIP_APPEND_STATUS_ADDINZIP = 2 // add entries to the existing archive (created if missing)
};

// Packs files into a zip archive. The caller supplies the files one by one through a visitor,
// so that they need not exist on disk under their entry names.
class OVPLATFORM_EXPORT CZipCoder
{
public:
    // Supplies the files of one ZipFile call.
    class OVPLATFORM_EXPORT CZipFileVisitor
    {
    public:
        CZipFileVisitor();
        virtual ~CZipFileVisitor();

        // Hands over the next file: a buffer allocated with new[] (the coder takes it and
        // frees it with delete[]), its size in bytes and its entry name (UTF-8, "/" between
        // folders). Answers false when there is no more file; the outputs are then ignored.
        virtual bool nextFile(
            CZipCoder* coder, char*& data, std::size_t& size, std::string& entryName)
            = 0;
        // Called once at the end of every ZipFile call with its result; does nothing here.
        virtual void zipFileComplete(CZipCoder* coder, bool succeeded);
    };

    CZipCoder();
    ~CZipCoder();
    CZipCoder(const CZipCoder&) = delete;
    CZipCoder& operator=(const CZipCoder&) = delete;

    // Writes the archive at zipPath (UTF-8) with the visitor's files, deflated (level 1); with a
    // non-empty password every new entry is AES-256 encrypted. The archive is written in full
    // or not at all: on failure a file already at zipPath is left as it was. Fails when the
    // visitor supplies no file, a file without a name, a null buffer with a non-zero size, or
    // a name already in the archive. GetLastError() then says why.
    bool ZipFile(const std::string& zipPath, CZipFileVisitor* visitor, const std::string& password,
        E_ZIP_APPEND_STATUS appendStatus);

    // English reason of the last failure of ZipFile; empty after a success.
    const std::string& GetLastError() const { return m_lastError; }

private:
    bool packFiles(const std::string& zipPath, CZipFileVisitor& visitor,
        const std::string& password, E_ZIP_APPEND_STATUS appendStatus);

    std::string m_lastError;
};
