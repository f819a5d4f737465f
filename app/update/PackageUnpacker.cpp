#include "app/update/PackageUnpacker.h"

#include "app/core/FilePath.h"
#include "app/core/TextCodec.h"

#include <minizip/unzip.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

// minizip reads through these callbacks so that wide Windows paths work as well as Linux ones:
// the "file name" handed to minizip is a pointer to a std::filesystem::path.
voidpf ZCALLBACK OpenFile(voidpf, const void* filename, int) {
    auto file = std::make_unique<std::filebuf>();
    if (!file->open(*static_cast<const std::filesystem::path*>(filename),
                    std::ios::in | std::ios::binary)) {
        return nullptr;
    }
    return file.release();
}

uLong ZCALLBACK ReadFile(voidpf, voidpf stream, void* buffer, uLong size) {
    return static_cast<uLong>(static_cast<std::filebuf*>(stream)->sgetn(
        static_cast<char*>(buffer), static_cast<std::streamsize>(size)));
}

uLong ZCALLBACK WriteFile(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK TellFile(voidpf, voidpf stream) {
    const auto position =
        static_cast<std::filebuf*>(stream)->pubseekoff(0, std::ios::cur, std::ios::in);
    return position < 0 ? static_cast<ZPOS64_T>(-1) : static_cast<ZPOS64_T>(position);
}

long ZCALLBACK SeekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
    const std::ios::seekdir way = origin == ZLIB_FILEFUNC_SEEK_CUR   ? std::ios::cur
                                  : origin == ZLIB_FILEFUNC_SEEK_END ? std::ios::end
                                                                     : std::ios::beg;
    const auto position = static_cast<std::filebuf*>(stream)->pubseekoff(
        static_cast<std::streamoff>(offset), way, std::ios::in);
    return position < 0 ? -1 : 0;
}

int ZCALLBACK CloseFile(voidpf, voidpf stream) {
    delete static_cast<std::filebuf*>(stream);
    return 0;
}

int ZCALLBACK TestError(voidpf, voidpf) { return 0; }

struct ArchiveCloser {
    void operator()(unzFile archive) const { unzClose(archive); }
};
using Archive = std::unique_ptr<std::remove_pointer_t<unzFile>, ArchiveCloser>;

Archive OpenArchive(const std::filesystem::path& package) {
    zlib_filefunc64_def io = {};
    io.zopen64_file = OpenFile;
    io.zread_file = ReadFile;
    io.zwrite_file = WriteFile;
    io.ztell64_file = TellFile;
    io.zseek64_file = SeekFile;
    io.zclose_file = CloseFile;
    io.zerror_file = TestError;
    return Archive(unzOpen2_64(&package, &io));
}

struct Entry {
    std::string name;
    std::uint64_t size = 0;
};

// Reads every entry's name and declared size. False when the directory cannot be walked.
bool ListEntries(unzFile archive, std::vector<Entry>& entries) {
    for (int status = unzGoToFirstFile(archive); status != UNZ_END_OF_LIST_OF_FILE;
         status = unzGoToNextFile(archive)) {
        if (status != UNZ_OK) {
            return false;
        }
        unz_file_info64 info = {};
        if (unzGetCurrentFileInfo64(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            return false;
        }
        std::string name(info.size_filename, '\0');
        if (unzGetCurrentFileInfo64(archive, &info, name.data(), info.size_filename + 1, nullptr, 0,
                                    nullptr, 0) != UNZ_OK) {
            return false;
        }
        entries.push_back({name, info.uncompressed_size});
    }
    return true;
}

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

bool IsDeviceName(std::string component) {
    // Windows ignores anything from the first full stop, and trailing blanks, when it matches
    // device names: "con.txt" and "NUL " are devices too.
    component = component.substr(0, component.find('.'));
    while (!component.empty() && component.back() == ' ') {
        component.pop_back();
    }
    std::transform(component.begin(), component.end(), component.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    static constexpr std::array kDevices{"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    if (std::find(kDevices.begin(), kDevices.end(), component) != kDevices.end()) {
        return true;
    }
    return component.size() == 4 &&
           (component.compare(0, 3, "COM") == 0 || component.compare(0, 3, "LPT") == 0) &&
           std::isdigit(static_cast<unsigned char>(component[3]));
}

bool IsSafeComponent(const std::string& component) {
    if (component == ".." || component.back() == '.' || component.back() == ' ') {
        return false;
    }
    const bool forbidden = std::any_of(component.begin(), component.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 ||
               std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
    });
    return !forbidden && !IsDeviceName(component);
}

// Writes the archive's current entry to `target`, never more than `declared` bytes.
bool ExtractCurrent(unzFile archive, const std::filesystem::path& target, std::uint64_t declared) {
    if (unzOpenCurrentFile(archive) != UNZ_OK) {
        return false;
    }
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    std::vector<char> buffer(64 * 1024);
    std::uint64_t written = 0;
    int read = 0;
    while ((read = unzReadCurrentFile(archive, buffer.data(),
                                      static_cast<unsigned>(buffer.size()))) > 0) {
        written += static_cast<std::uint64_t>(read);
        if (written > declared) {
            break;
        }
        out.write(buffer.data(), read);
    }
    out.close();
    // The CRC is checked when the entry is closed; a mismatch is a broken package.
    const bool closedWhole = unzCloseCurrentFile(archive) == UNZ_OK;
    return read == 0 && written == declared && closedWhole && !out.fail();
}

} // namespace

bool IsSafeEntryName(std::string_view name) {
    if (name.empty() || IsSeparator(name.front())) {
        return false;
    }
    size_t start = 0;
    while (start < name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end])) {
            ++end;
        }
        const std::string component(name.substr(start, end - start));
        if (component.empty() && end < name.size()) {
            return false; // doubled separator
        }
        if (!component.empty() && component != "." && !IsSafeComponent(component)) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

UnpackResult UnpackPackage(const std::filesystem::path& package,
                           const std::filesystem::path& workFolder) {
    const Archive archive = OpenArchive(package);
    if (!archive) {
        return UnpackResult::NotAnArchive;
    }
    std::vector<Entry> entries;
    if (!ListEntries(archive.get(), entries)) {
        return UnpackResult::Failed;
    }
    std::uint64_t total = 0;
    for (const Entry& entry : entries) {
        total += std::min(entry.size, kMaxEntryBytes + 1);
        if (!IsSafeEntryName(entry.name) || entry.size > kMaxEntryBytes ||
            total > kMaxPackageBytes) {
            return UnpackResult::Refused;
        }
    }

    std::error_code error;
    std::filesystem::create_directories(workFolder, error);
    int status = unzGoToFirstFile(archive.get());
    for (const Entry& entry : entries) {
        if (status != UNZ_OK) {
            return UnpackResult::Failed;
        }
        // Names that are not UTF-8 (old archivers store their code page) still give a path.
        std::wstring relative = Utf8ToWide(entry.name);
        std::replace(relative.begin(), relative.end(), L'\\', L'/');
        const std::filesystem::path target = workFolder / PathFromWide(relative);
        if (IsSeparator(entry.name.back())) {
            std::filesystem::create_directories(target, error);
        } else {
            std::filesystem::create_directories(target.parent_path(), error);
            if (!ExtractCurrent(archive.get(), target, entry.size)) {
                return UnpackResult::Failed;
            }
        }
        status = unzGoToNextFile(archive.get());
    }
    return UnpackResult::Unpacked;
}
