#include "framework/TextFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <random>
#include <utility>

#include "framework/Errors.h"

// The files are handled with the system's own calls rather than Qt's file classes: the reason
// of a failure is the errno of the call that failed, read at once, and Qt tells it only in its
// own English words, or as a category of its own that may stand for several causes.

namespace {

// Reasons that the checks of this file find, beside the system's errno values (all positive).
enum OwnReason : int {
    kNotRegular = -1,
    kTooLarge = -2,
    kAlreadyClosed = -3,
    kNotOpen = -4,
};

std::string Number(std::uintmax_t value) {
    std::array<char, 24> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    return std::string(digits.data(), end);
}

// Every reason a file operation fails for, in German as the rest of the window speaks.
std::string ReasonOf(int reason) {
    switch (reason) {
        case kNotRegular:
            return "das ist keine gewöhnliche Datei";
        case kTooLarge:
            return "sie ist zu groß";
        case kAlreadyClosed:
            return "sie ist schon geschlossen";
        case kNotOpen:
            return "sie ist nicht geöffnet";
        case ENOSPC:
            return "kein Platz mehr auf dem Datenträger";
        case EDQUOT:
            return "das Speicherkontingent ist erschöpft";
        case EFBIG:
            return "die Datei würde zu groß werden";
        case EACCES:
        case EPERM:
            return "keine Berechtigung";
        case EROFS:
            return "der Datenträger ist schreibgeschützt";
        case ENOENT:
            return "die Datei oder ihr Ordner ist nicht vorhanden";
        case ENOTDIR:
            return "ein Teil des Pfades ist kein Ordner";
        case EISDIR:
            return "das ist ein Ordner";
        case ENAMETOOLONG:
            return "der Name ist zu lang";
        case ELOOP:
            return "zu viele symbolische Verknüpfungen im Pfad";
        case EMFILE:
        case ENFILE:
            return "zu viele offene Dateien";
        case ENOMEM:
            return "nicht genug Arbeitsspeicher";
        case ETXTBSY:
        case EBUSY:
            return "die Datei wird gerade benutzt";
        case EIO:
            return "Ein-/Ausgabefehler";
        default:
            return "Ein-/Ausgabefehler (Systemfehler " + Number(static_cast<unsigned>(reason)) +
                   ")";
    }
}

[[noreturn]] void Fail(const FolderItem& file, const char* what, int reason,
                       const std::string& detail = {}) {
    std::string message = "Die Datei \"" + file.path + "\" " + what + ": " + ReasonOf(reason);
    if (!detail.empty()) message += " (" + detail + ")";
    throw IOException(message);
}

// The same with the errno of the call that just failed, read before anything else can change it.
[[noreturn]] void FailWithErrno(const FolderItem& file, const char* what) {
    const int error = errno;
    Fail(file, what, error);
}

constexpr const char* kNotWritten = "kann nicht geschrieben werden";
constexpr const char* kNotRead = "kann nicht gelesen werden";

// Only a regular file is read or replaced: a folder, a device or a pipe would be swapped for a
// plain file on saving, and reading one could wait or run forever.
void RefuseUnlessRegular(const FolderItem& file, const char* what, const struct stat& info) {
    if (S_ISDIR(info.st_mode)) Fail(file, what, EISDIR);
    if (!S_ISREG(info.st_mode)) Fail(file, what, kNotRegular);
}

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    if (bytes >= kMiB && bytes % kMiB == 0) return "mehr als " + Number(bytes / kMiB) + " MiB";
    return "mehr als " + Number(bytes) + " Bytes";
}

// Writes all of `bytes` to `fd` and makes it durable; 0 on success, else the errno of the
// step that failed.
int WriteAllAndSync(int fd, const std::string& bytes) {
    const char* p = bytes.data();
    std::size_t rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    while (::fsync(fd) != 0) {
        if (errno != EINTR) return errno;
    }
    return 0;
}

// The file a save replaces: the one that a symbolic link leads to, so that the link stays a
// link; otherwise the named one.
std::string ReplacedFile(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return path;
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target = resolved;
    std::free(resolved);
    return target;
}

struct SideFile {
    int fd = -1;
    int error = 0;
    std::string path;
};

// A new file beside `target`, under a name that nothing else has: the name of the target and a
// random ending. Created with `mode`, less what the process's umask withholds.
SideFile CreateSideFile(const std::string& target, mode_t mode) {
    static std::minstd_rand random(std::random_device{}());
    static constexpr std::string_view kLetters =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> letter(0, kLetters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = target + ".";
        for (int i = 0; i < 6; ++i) path += kLetters[letter(random)];
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return {fd, 0, path};
        if (errno != EEXIST) return {-1, errno, {}};
    }
    return {-1, EEXIST, {}};
}

// Makes the replacement's new name durable; the file itself already is. Nothing is left to undo
// when it fails: the file is whole under its name either way, so failures are not reported.
void SyncFolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

struct TextOutputStream::Impl {
    FolderItem file;     // as the user chose it; messages name it
    std::string target;  // the file that Close replaces
    std::string side;    // written first, renamed over the target on Close
    int fd = -1;
    std::string lines;  // everything written so far; it reaches the side file on Close
    bool closed = false;

    explicit Impl(const FolderItem& f) : file(f) {}
    ~Impl() { Discard(); }
    void Discard() {
        if (fd >= 0) ::close(std::exchange(fd, -1));
        if (!side.empty()) ::unlink(std::exchange(side, {}).c_str());
    }
};

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
    auto impl = std::make_unique<Impl>(file);
    struct stat info {};
    // A name that is not taken yet (or whose folder cannot be looked into) is a new file:
    // creating the side file then tells what stands in the way.
    const bool exists = ::stat(file.path.c_str(), &info) == 0;
    impl->target = file.path;
    if (exists) {
        RefuseUnlessRegular(file, kNotWritten, info);
        impl->target = ReplacedFile(file.path);
        // A file that may not be written is not replaced, though its folder would allow it.
        // Opening it for writing (nothing is written) asks the system, for the effective user.
        const int probe =
            ::open(impl->target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (probe < 0) FailWithErrno(file, kNotWritten);
        ::close(probe);
    }
    // The side file of an existing file starts private and then takes the old file's
    // permissions; a new file gets the usual ones.
    SideFile side = CreateSideFile(impl->target, exists ? 0600 : 0666);
    if (side.fd < 0) Fail(file, kNotWritten, side.error);
    impl->fd = side.fd;
    impl->side = std::move(side.path);
    // Where the file system cannot take them, the file keeps the side file's private ones.
    if (exists) static_cast<void>(::fchmod(impl->fd, info.st_mode & 07777));
    return std::make_unique<TextOutputStream>(std::move(impl));
}

TextOutputStream::TextOutputStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

TextOutputStream::~TextOutputStream() = default;

void TextOutputStream::WriteLine(const std::string& text) {
    if (impl_->closed) Fail(impl_->file, kNotWritten, kAlreadyClosed);
    impl_->lines += text;
    impl_->lines += '\n';
}

// The side file is written and synced, each call checked, and only a side file known to be
// whole is renamed over the file.
void TextOutputStream::Close() {
    if (impl_->closed) return;
    impl_->closed = true;
    int error = WriteAllAndSync(impl_->fd, impl_->lines);
    // A file system that reports a failed write late (over a network) does so on close; the
    // file is closed even when the call is interrupted.
    if (::close(std::exchange(impl_->fd, -1)) != 0 && error == 0 && errno != EINTR) error = errno;
    if (error != 0) {
        impl_->Discard();
        Fail(impl_->file, kNotWritten, error);
    }
    if (::rename(impl_->side.c_str(), impl_->target.c_str()) != 0) {
        error = errno;
        impl_->Discard();
        Fail(impl_->file, "kann nicht gesichert werden", error);
    }
    impl_->side.clear();
    SyncFolderOf(impl_->target);
}

struct TextInputStream::Impl {
    FolderItem file;
    int fd = -1;
    explicit Impl(const FolderItem& f) : file(f) {}
    ~Impl() {
        if (fd >= 0) ::close(fd);
    }
};

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& file) {
    struct stat info {};
    // A device or a pipe is not even opened: opening one can wait, or act on the device.
    if (::stat(file.path.c_str(), &info) == 0) RefuseUnlessRegular(file, kNotRead, info);
    auto impl = std::make_unique<Impl>(file);
    // The name may lead somewhere else by now, so what was opened is checked again; without
    // O_NONBLOCK a pipe put there meanwhile would wait for a writer here.
    impl->fd = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (impl->fd < 0) FailWithErrno(file, "kann nicht geöffnet werden");
    if (::fstat(impl->fd, &info) != 0) FailWithErrno(file, kNotRead);
    RefuseUnlessRegular(file, kNotRead, info);
    return std::make_unique<TextInputStream>(std::move(impl));
}

TextInputStream::TextInputStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

TextInputStream::~TextInputStream() = default;

// Read in pieces of a fixed size, which every kind of file takes (the page map of /proc reads
// only whole entries of 8 bytes), and kept only while they stay within maxBytes: the text never
// holds more, and a file whose size the system reported wrong is refused as soon as it passes
// the limit. A file of the right size is read into memory taken once.
std::string TextInputStream::ReadAll(std::size_t maxBytes) {
    const FolderItem& file = impl_->file;
    if (impl_->fd < 0) Fail(file, kNotRead, kNotOpen);
    struct stat info {};
    if (::fstat(impl_->fd, &info) != 0) FailWithErrno(file, kNotRead);
    const auto reported = static_cast<std::uintmax_t>(std::max<off_t>(info.st_size, 0));
    if (reported > maxBytes) Fail(file, kNotRead, kTooLarge, SizeText(maxBytes));
    constexpr std::size_t kPiece = 64 * 1024;
    std::string bytes;
    try {
        auto piece = std::make_unique<char[]>(kPiece);
        bytes.reserve(static_cast<std::size_t>(reported));
        for (;;) {
            const ssize_t n = ::read(impl_->fd, piece.get(), kPiece);
            if (n == 0) break;
            if (n < 0) {
                if (errno == EINTR) continue;
                FailWithErrno(file, kNotRead);
            }
            if (static_cast<std::size_t>(n) > maxBytes - bytes.size())
                Fail(file, kNotRead, kTooLarge, SizeText(maxBytes));
            bytes.append(piece.get(), static_cast<std::size_t>(n));
        }
    } catch (const std::bad_alloc&) {
        std::string().swap(bytes);  // the message needs some memory of its own
        Fail(file, kNotRead, ENOMEM);
    }
    return bytes;
}

void TextInputStream::Close() {
    if (impl_->fd >= 0) ::close(std::exchange(impl_->fd, -1));
}
