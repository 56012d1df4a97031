// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reading and crash-safe writing for every file the program saves: the project,
// exports and the settings. A save either replaces the file completely or leaves it as it was.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/large_block.h"

namespace tavoric {

// Why a file could not be read or written.
struct FileError {
    enum class Kind {
        None,
        System,          // systemError holds the errno value
        ReadOnlyFile,    // the file exists and the user may not write it
        ReadOnlyFolder,  // the user may not create files in the file's folder
        NotRegularFile,  // a device, FIFO or socket: never read or replaced
    };
    Kind kind = Kind::None;
    int systemError = 0;
};

// Hands on the next bytes of a file; false when they could not be written (and every later call
// then is false too).
using ByteWriter = std::function<bool(std::string_view bytes)>;
// Makes a file's content and hands it to the writer piece by piece, so that a large file need not
// be held in memory; false when a write failed.
using ContentProducer = std::function<bool(const ByteWriter& write)>;

// The producer of content that is already made.
ContentProducer WholeContent(std::string_view content);

// Gathers small pieces of content into blocks of about 1 MiB for a ByteWriter.
class BlockWriter {
public:
    explicit BlockWriter(ByteWriter write);
    BlockWriter& operator+=(std::string_view bytes);
    // Hands on the last block; false when a block could not be written.
    bool Finish();

private:
    ByteWriter write_;
    std::string block_;
    bool written_ = true;
};

// Writes content to a temporary file in the target's folder, flushes it to disk and renames it
// over the target; an existing target's permissions are kept. A target the user may not write,
// or one that is not a regular file, is refused before anything is written. A symbolic link is
// written through (a dangling one creates the file it names) and stays a link. On failure the
// target is untouched, no temporary file remains, error says why and the result is false.
bool WriteFileAtomically(const std::string& path, std::string_view content, FileError& error);
// The same with the content made while it is written.
bool WriteFileAtomically(const std::string& path, const ContentProducer& produce, FileError& error);

// The same for the program's own files beside a project and in its private folders: a symbolic
// link at path is replaced, never followed, and the new file gets mode (less nothing).
bool ReplaceFileAtomically(const std::string& path, std::string_view content, unsigned mode,
                           FileError& error);
bool ReplaceFileAtomically(const std::string& path, const ContentProducer& produce, unsigned mode,
                           FileError& error);

// Reads the whole file into content; false when it cannot be opened or read, or when it is not a
// regular file (a FIFO or device would block or never end).
bool ReadWholeFile(const std::string& path, std::string& content, FileError& error);
bool ReadWholeFile(const std::string& path, ByteBlock& content, FileError& error);
bool ReadWholeFile(const std::string& path, std::string& content);
// The same, but a symbolic link is not followed: it is a file that is not regular.
bool ReadWholeFileNoFollow(const std::string& path, std::string& content, FileError& error);

// Reads an open stream (standard input, a pipe, a FIFO, a terminal) to its end into content;
// false when it cannot be read or holds more than maxBytes (error EFBIG). Only for inputs the
// user names explicitly: the readers above never read a stream.
bool ReadStreamToEnd(int fd, ByteBlock& content, std::size_t maxBytes, FileError& error);
bool ReadStreamToEnd(int fd, std::string& content, std::size_t maxBytes, FileError& error);

// Lets SIGINT, SIGTERM and SIGHUP remove the temporary file of a write in progress before the
// process ends as the signal asks. For the command-line program.
void RemoveTemporaryFileOnSignals();

}  // namespace tavoric
