#pragma once
// Reading a whole file into memory.

#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

namespace platform {

// Why readWholeFile() gave no bytes.
enum class FileReadFailure {
    missing,          // nothing at the path, or a link that leads nowhere
    notRegularFile,   // a directory, FIFO, device or socket (never opened for reading)
    permissionDenied, // the file, or a folder on its way, may not be read
    tooLarge,         // more than the caller's limit
    unreadable,       // any other error while opening, any error once open, or no memory for the bytes
};

// The bytes of `file` (a regular file, or a link to one), at most `maxBytes` of them; nullopt
// otherwise, with the reason in `failure` when given. A file over the limit is not read. A path
// under "embedded:/" is served from the files compiled into the program (EmbeddedFiles.h).
std::optional<std::string> readWholeFile(const std::filesystem::path& file,
                                         std::size_t maxBytes = std::numeric_limits<std::size_t>::max(),
                                         FileReadFailure* failure = nullptr);

// The same, also giving the errno of the call that failed in `errorNumber` (when given): ENOMEM
// when the bytes found no memory, 0 for a failure no call reported (not a regular file, too
// large, not among the compiled-in files).
std::optional<std::string> readWholeFile(const std::filesystem::path& file, std::size_t maxBytes,
                                         FileReadFailure* failure, int* errorNumber);

// The C library's text for an errno value ("Too many open files"), for messages. Works with no
// descriptor free: it calls nothing that needs one.
std::string errnoText(int errorNumber);

// Why a read with the limit `maxBytes` gave no bytes, for a message: "it is larger than 16 MiB",
// "it is not a regular file", the errno's text, else "it could not be read".
std::string readFailureReason(FileReadFailure failure, int errorNumber, std::size_t maxBytes);

} // namespace platform
