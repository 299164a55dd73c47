#pragma once
// Text files. Every failure raises IOException with a message that names the file and says why
// in German, the reason taken from the system call that failed.

#include <cstddef>
#include <limits>
#include <memory>
#include <string>

#include "framework/Dialogs.h"

// Writes aside and replaces the file only on Close, once everything is written and synced, so a
// failed save (a full disk, a quota, an I/O error) never leaves a half-written or empty file
// behind: the old file stays byte for byte. Create refuses a path that holds anything but a
// regular file (a folder, a device, a pipe) before anything is written, and an existing file
// that may not be written.
class TextOutputStream {
  public:
    static std::unique_ptr<TextOutputStream> Create(const FolderItem& file);
    ~TextOutputStream();                      // without Close, the file stays as it was
    void WriteLine(const std::string& text);  // the text and a line end ("\n"), kept until Close
    void Close();                             // writes, syncs and replaces; raises on any failure

    struct Impl;
    explicit TextOutputStream(std::unique_ptr<Impl> impl);

  private:
    std::unique_ptr<Impl> impl_;
};

// Open refuses anything but a regular file (a pipe or a device could wait or read forever).
class TextInputStream {
  public:
    static constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

    static std::unique_ptr<TextInputStream> Open(const FolderItem& file);
    ~TextInputStream();
    // The whole content unchanged, line ends included. A file of more than maxBytes bytes is
    // refused before a byte is read; where the system reports a wrong size (a file of /proc, a
    // file that grows meanwhile) reading stops as soon as it passes maxBytes, and the file is
    // refused all the same. Memory that runs out while reading is that file's failure too.
    std::string ReadAll(std::size_t maxBytes = kNoLimit);
    void Close();

    struct Impl;
    explicit TextInputStream(std::unique_ptr<Impl> impl);

  private:
    std::unique_ptr<Impl> impl_;
};
