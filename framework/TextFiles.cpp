#include "framework/TextFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>

#include "framework/Errors.h"

namespace {

QString PathOf(const FolderItem& file) {
    return QString::fromStdString(file.path);
}

[[noreturn]] void Fail(const FolderItem& file, const char* what, const QString& why) {
    throw IOException("Die Datei \"" + file.path + "\" " + what + ": " + why.toStdString());
}

// The reason of a failed system call, in German as the rest of the window speaks.
QString ReasonOf(int error) {
    switch (error) {
        case ENOSPC:
            return QStringLiteral("kein Platz mehr auf dem Datenträger");
        case EDQUOT:
            return QStringLiteral("das Speicherkontingent ist erschöpft");
        case EFBIG:
            return QStringLiteral("die Datei würde zu groß werden");
        case EACCES:
        case EPERM:
            return QStringLiteral("keine Berechtigung");
        case EROFS:
            return QStringLiteral("der Datenträger ist schreibgeschützt");
        case ENOENT:
            return QStringLiteral("die Datei oder ihr Ordner ist nicht vorhanden");
        case ENOTDIR:
            return QStringLiteral("ein Teil des Pfades ist kein Ordner");
        case ENAMETOOLONG:
            return QStringLiteral("der Name ist zu lang");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("zu viele offene Dateien");
        default:
            return QStringLiteral("Ein-/Ausgabefehler");
    }
}

// The reason Qt gives for a failed file operation, in German; Qt's own text is English.
QString Reason(const QFileDevice& device) {
    QString reason;
    switch (device.error()) {
        case QFileDevice::PermissionsError:
            reason = QStringLiteral("keine Berechtigung");
            break;
        case QFileDevice::ReadError:
            reason = QStringLiteral("Lesefehler");
            break;
        case QFileDevice::WriteError:
            reason = QStringLiteral("Schreibfehler");
            break;
        case QFileDevice::ResourceError:
            reason = ReasonOf(ENOSPC);
            break;
        case QFileDevice::RenameError:
            reason = QStringLiteral("nicht zu ersetzen");
            break;
        default:
            reason = QStringLiteral("nicht zugänglich");
            break;
    }
    return reason;
}

// Qt tells why an open failed only in its own English words, so the cause is asked of the
// system: for reading, of the file; for a save, which writes a side file beside the file and
// renames it, of a file already there and of its folder.
QString WhyNotOpened(const FolderItem& file, bool forWriting, const QFileDevice& device) {
    const std::string& path = file.path;
    if (!forWriting) {
        if (::access(path.c_str(), R_OK) != 0) return ReasonOf(errno);
        return Reason(device);
    }
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0)
        return ReasonOf(errno);
    const std::size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return ReasonOf(errno);
    return Reason(device);
}

// Only a regular file (or a name that is not taken yet) is read or replaced: a folder, a
// device or a pipe would be swapped for a plain file on saving, and reading one could wait or
// run forever.
void RequireRegularFile(const FolderItem& file, const char* what) {
    struct stat info {};
    if (::stat(file.path.c_str(), &info) != 0) return;  // a new name; opening tells the rest
    if (S_ISDIR(info.st_mode)) Fail(file, what, QStringLiteral("das ist ein Ordner"));
    if (!S_ISREG(info.st_mode)) Fail(file, what, QStringLiteral("das ist keine gewöhnliche Datei"));
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

}  // namespace

struct TextOutputStream::Impl {
    FolderItem file;
    QSaveFile out;
    std::string lines;  // everything written so far; it reaches the side file on Close
    bool closed = false;
    explicit Impl(const FolderItem& f) : file(f), out(PathOf(f)) {}
};

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
    RequireRegularFile(file, "kann nicht geschrieben werden");
    auto impl = std::make_unique<Impl>(file);
    // Without direct write fallback a folder that forbids the file beside the target makes the
    // save fail instead of writing the target in place.
    impl->out.setDirectWriteFallback(false);
    if (!impl->out.open(QIODevice::WriteOnly))
        Fail(file, "kann nicht geschrieben werden", WhyNotOpened(file, true, impl->out));
    return std::make_unique<TextOutputStream>(std::move(impl));
}

TextOutputStream::TextOutputStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

TextOutputStream::~TextOutputStream() {
    if (impl_ && !impl_->closed) impl_->out.cancelWriting();
}

void TextOutputStream::WriteLine(const std::string& text) {
    if (impl_->closed) Fail(impl_->file, "ist schon geschlossen", QStringLiteral("WriteLine"));
    impl_->lines += text;
    impl_->lines += '\n';
}

// The side file is written and synced by hand, each call checked: Qt's buffered device takes
// the bytes first and its commit would rename a side file whose late write failed (a full disk,
// a quota) over the old file. Only a side file known to be whole replaces the file.
void TextOutputStream::Close() {
    if (impl_->closed) return;
    impl_->closed = true;
    if (const int error = WriteAllAndSync(impl_->out.handle(), impl_->lines); error != 0) {
        impl_->out.cancelWriting();
        Fail(impl_->file, "kann nicht geschrieben werden", ReasonOf(error));
    }
    if (!impl_->out.commit()) Fail(impl_->file, "kann nicht gesichert werden", Reason(impl_->out));
}

struct TextInputStream::Impl {
    FolderItem file;
    QFile in;
    explicit Impl(const FolderItem& f) : file(f), in(PathOf(f)) {}
};

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& file) {
    RequireRegularFile(file, "kann nicht gelesen werden");
    auto impl = std::make_unique<Impl>(file);
    if (!impl->in.open(QIODevice::ReadOnly))
        Fail(file, "kann nicht geöffnet werden", WhyNotOpened(file, false, impl->in));
    return std::make_unique<TextInputStream>(std::move(impl));
}

TextInputStream::TextInputStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

TextInputStream::~TextInputStream() = default;

std::string TextInputStream::ReadAll() {
    if (!impl_->in.isOpen()) Fail(impl_->file, "ist nicht geöffnet", QStringLiteral("ReadAll"));
    const QByteArray bytes = impl_->in.readAll();
    if (impl_->in.error() != QFileDevice::NoError)
        Fail(impl_->file, "kann nicht gelesen werden", Reason(impl_->in));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void TextInputStream::Close() {
    impl_->in.close();
}
