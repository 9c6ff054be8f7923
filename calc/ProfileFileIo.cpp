#include "calc/ProfileFileIo.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <initializer_list>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN // the file functions only
#endif
#include <windows.h>
#else
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
std::string NativePath(const std::string& path) {
    return path;
}
#else
// ".\config.ini" names ./config.ini here as it does on Windows.
std::string NativePath(std::string path) {
    for (char& c : path)
        if (c == '\\')
            c = '/';
    return path;
}
#endif

} // namespace

ProfileFileContent LoadProfileFile(const std::string& path) {
    using Status = ProfileFileContent::Status;
    errno = 0;
    std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
    if (!file)
        return {errno == ENOENT ? Status::Absent : Status::Unreadable, {}};
    ProfileFileContent result{Status::Read, {}};
    try {
        char buffer[4096];
        std::size_t count;
        while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
            result.bytes.append(buffer, count);
        if (std::ferror(file))
            result = {Status::Unreadable, {}};
    } catch (const std::exception&) { // a file too large for memory
        result = {Status::Unreadable, {}};
    }
    std::fclose(file);
    return result;
}

namespace {

#ifdef _WIN32

std::string TemporaryName(const std::string& path, unsigned attempt) {
    return path + ".tmp" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
}

bool WriteAndClose(HANDLE file, std::string_view content) {
    bool ok = true;
    while (ok && !content.empty()) {
        const DWORD chunk = content.size() > 0x10000000 ? 0x10000000 : DWORD(content.size());
        DWORD written = 0;
        ok = WriteFile(file, content.data(), chunk, &written, nullptr) && written == chunk;
        content.remove_prefix(chunk);
    }
    ok = ok && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

bool ReplaceWithTemporary(const std::string& path, std::string_view content) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return false;
    } else if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        return false; // the platform's own service fails to write such a file too
    }
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = TemporaryName(path, attempt);
        const HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS || GetLastError() == ERROR_ALREADY_EXISTS)
                continue;
            return false;
        }
        if (WriteAndClose(file, content) &&
            MoveFileExA(temporary.c_str(), path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        DeleteFileA(temporary.c_str());
        return false;
    }
    return false;
}

#else

std::string TemporaryName(const std::string& path, unsigned attempt) {
    return path + ".tmp" + std::to_string(getpid()) + "-" + std::to_string(attempt);
}

bool WriteAndClose(int file, std::string_view content) {
    bool ok = true;
    while (ok && !content.empty()) {
        const ssize_t written = write(file, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        ok = written > 0;
        if (ok)
            content.remove_prefix(static_cast<std::size_t>(written));
    }
    ok = ok && fsync(file) == 0;
    return close(file) == 0 && ok;
}

// After the rename, so that the new name survives a crash too.
void SyncDirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int handle = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        fsync(handle);
        close(handle);
    }
}

bool ReplaceWithTemporary(std::string path, std::string_view content) {
    struct stat status {};
    const bool exists = stat(path.c_str(), &status) == 0;
    mode_t mode = 0666; // narrowed by the umask, as any new file
    if (!exists) {
        if (errno != ENOENT)
            return false;
    } else {
        // A file without write permission stays as it is, also for a user (root) whom a
        // rename would let replace it.
        if (!S_ISREG(status.st_mode) || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
            access(path.c_str(), W_OK) != 0)
            return false;
        mode = status.st_mode & 07777;
        // Through a symbolic link, the file it names is replaced, not the link.
        char* resolved = realpath(path.c_str(), nullptr);
        if (!resolved)
            return false;
        path = resolved;
        std::free(resolved);
    }
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = TemporaryName(path, attempt);
        const int file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (file < 0) {
            if (errno == EEXIST)
                continue;
            return false;
        }
        if (exists && fchmod(file, mode) != 0) {
            close(file);
            unlink(temporary.c_str());
            return false;
        }
        if (WriteAndClose(file, content) && rename(temporary.c_str(), path.c_str()) == 0) {
            SyncDirectoryOf(path);
            return true;
        }
        unlink(temporary.c_str());
        return false;
    }
    return false;
}

#endif

} // namespace

bool ReplaceFileContent(const std::string& path, std::string_view content) {
    return ReplaceWithTemporary(NativePath(path), content);
}
