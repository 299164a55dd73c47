#include "framework/TextFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "framework/Errors.h"

namespace {

QString PathOf(const FolderItem& file) {
    return QString::fromStdString(file.path);
}

[[noreturn]] void Fail(const FolderItem& file, const char* what, const QString& why) {
    throw IOException("Die Datei \"" + file.path + "\" " + what + ": " + why.toStdString());
}

// The reason in German, as the rest of the window speaks; Qt's own text is English.
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
            reason = QStringLiteral("kein Platz mehr");
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

}  // namespace

struct TextOutputStream::Impl {
    FolderItem file;
    QSaveFile out;
    bool closed = false;
    explicit Impl(const FolderItem& f) : file(f), out(PathOf(f)) {}
};

std::unique_ptr<TextOutputStream> TextOutputStream::Create(const FolderItem& file) {
    auto impl = std::make_unique<Impl>(file);
    if (QFileInfo(PathOf(file)).isDir())
        Fail(file, "kann nicht geschrieben werden", QStringLiteral("das ist ein Ordner"));
    // Without direct write fallback a folder that forbids the file beside the target makes the
    // save fail instead of writing the target in place.
    impl->out.setDirectWriteFallback(false);
    if (!impl->out.open(QIODevice::WriteOnly))
        Fail(file, "kann nicht geschrieben werden", Reason(impl->out));
    return std::make_unique<TextOutputStream>(std::move(impl));
}

TextOutputStream::TextOutputStream(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

TextOutputStream::~TextOutputStream() {
    if (impl_ && !impl_->closed) impl_->out.cancelWriting();
}

void TextOutputStream::WriteLine(const std::string& text) {
    if (impl_->closed) Fail(impl_->file, "ist schon geschlossen", QStringLiteral("WriteLine"));
    const std::string line = text + "\n";
    if (impl_->out.write(line.data(), static_cast<qint64>(line.size())) !=
        static_cast<qint64>(line.size()))
        Fail(impl_->file, "kann nicht geschrieben werden", Reason(impl_->out));
}

void TextOutputStream::Close() {
    if (impl_->closed) return;
    impl_->closed = true;
    if (!impl_->out.commit()) Fail(impl_->file, "kann nicht gesichert werden", Reason(impl_->out));
}

struct TextInputStream::Impl {
    FolderItem file;
    QFile in;
    explicit Impl(const FolderItem& f) : file(f), in(PathOf(f)) {}
};

std::unique_ptr<TextInputStream> TextInputStream::Open(const FolderItem& file) {
    auto impl = std::make_unique<Impl>(file);
    if (QFileInfo(PathOf(file)).isDir())
        Fail(file, "kann nicht gelesen werden", QStringLiteral("das ist ein Ordner"));
    if (!impl->in.open(QIODevice::ReadOnly))
        Fail(file, "kann nicht geöffnet werden", Reason(impl->in));
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
