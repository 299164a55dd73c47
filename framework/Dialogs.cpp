#include "framework/Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "framework/DialogInternals.h"
#include "framework/Internals.h"

namespace {

// ---- How large a message's box may grow ----

// A part of a length, in whole pixels.
struct Share {
    int numerator;
    int denominator;
    constexpr int Of(int length) const { return length * numerator / denominator; }
};

// A box is at most two thirds of the screen wide and high, so its button stays in sight with
// room around it; a taller text scrolls.
constexpr Share kLargestShareOfScreen{2, 3};
// The text lines' worth of room that the button row and the box's margins take below the text.
constexpr int kButtonRoomInLines = 6;
// A scrolling box is at least as wide as Qt's own message box.
constexpr int kNarrowestScrollingBox = 320;
// Characters of a text that can never fit Qt's box, so it is not measured: laying it out is slow.
constexpr qsizetype kSurelyTooLong = 4000;
// Characters of a text beyond which the scrolling box gets the widest size without measuring.
constexpr qsizetype kMeasuredUpTo = 20000;
// Qt looks for a blank to break at again for every line of a run without one, which takes
// seconds for a run of some ten thousand characters; a run longer than this is broken anywhere.
constexpr qsizetype kLongRun = 2000;

QWidget* DialogParent() {
    return QApplication::activeWindow();
}

// Icon codes of message dialogs: 0 note, 1 caution, 2 stop, 3 question; others show none.
QMessageBox::Icon IconFor(int code) {
    switch (code) {
        case 0:
            return QMessageBox::Information;
        case 1:
            return QMessageBox::Warning;
        case 2:
            return QMessageBox::Critical;
        case 3:
            return QMessageBox::Question;
        default:
            return QMessageBox::NoIcon;
    }
}

// File type filters of the save and open dialogs. Every file is listed at first: the list file
// is offered as "PDaten", without an extension, and must be seen again when the dialog opens
// next; "text" offers text files as a second choice.
QString FilterFor(const std::string& filter) {
    if (filter == "text") return QStringLiteral("Alle Dateien (*);;Textdateien (*.txt)");
    return QStringLiteral("Alle Dateien (*)");
}

std::optional<std::string> ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

// Qt's message box grows with its text: a text taller than the largest box (with the room the
// button needs) would push the button off the screen, and a run of characters without a blank
// wider than the box is cut off, since the box breaks lines only at blanks. Such a text is shown
// in a scrolling view instead. A long text is not measured at all: it could not fit anyway.
bool TooLargeForQtsBox(const QString& text, QWidget* parent) {
    if (text.size() > kSurelyTooLong) return true;
    const QRect screen = ScreenArea(parent);
    const int width = kLargestShareOfScreen.Of(screen.width());
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    if (WidestWord(text, metrics) > width) return true;
    const QRect laidOut =
        metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap | Qt::AlignLeft, text);
    const int buttonRoom = kButtonRoomInLines * metrics.height();
    return laidOut.height() + buttonRoom > kLargestShareOfScreen.Of(screen.height());
}

qsizetype LongestRun(const QString& text) {
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

// A read-only plain text view lays out only what it shows, so even a very long list opens at
// once; it breaks lines at blanks or, in a long run, anywhere, so nothing lies beyond the right
// edge. The box is as high as the largest box may be, its button below the view.
std::unique_ptr<QDialog> NewScrollingMessageBox(const QString& text, QWidget* parent) {
    const QRect screen = ScreenArea(parent);
    auto box = std::make_unique<QDialog>(parent);
    box->setWindowTitle(QApplication::applicationName());
    auto* view = new ListingView;
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    view->setWordWrapMode(LongestRun(text) > kLongRun ? QTextOption::WrapAnywhere
                                                      : QTextOption::WrapAtWordBoundaryOrAnywhere);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // lines wrap instead
    view->setPlainText(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box.get(), &QDialog::accept);
    auto* layout = new QVBoxLayout(box.get());
    layout->addWidget(view);
    layout->addWidget(buttons);

    // As wide as the longest line needs, within the narrowest and the largest box. A very long
    // text is given the widest box without measuring it.
    const QFontMetrics metrics(view->font());
    int longest = text.size() <= kMeasuredUpTo ? 0 : screen.width();
    if (text.size() <= kMeasuredUpTo)
        for (const QString& line : text.split(u'\n'))
            longest = std::max(longest, metrics.horizontalAdvance(line));
    const int chrome = view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth() +
                       2 * static_cast<int>(view->document()->documentMargin()) + 4;
    view->setMinimumWidth(std::clamp(longest + chrome, kNarrowestScrollingBox,
                                     kLargestShareOfScreen.Of(screen.width())));
    box->resize(box->sizeHint().width(), kLargestShareOfScreen.Of(screen.height()));
    return box;
}

// The application's host: Qt's own dialogs. Without a Qt application (a program that never
// started the framework) the message goes to the error output and every choice is a cancel.
class QtDialogHost : public DialogHost {
  public:
    void ShowMessage(const std::string& text) override {
        if (!qApp) {
            std::fputs((text + "\n").c_str(), stderr);
            return;
        }
        NewMessageBox(text, DialogParent())->exec();
    }

    Answer ShowMessageDialog(const MessageDialog& dialog) override {
        if (!qApp) return Answer::Cancel;
        QMessageBox box(IconFor(dialog.Icon), QApplication::applicationName(),
                        ShownText(dialog.Message), QMessageBox::NoButton, DialogParent());
        box.setInformativeText(ShownText(dialog.Explanation));
        QPushButton* action = nullptr;
        QPushButton* alternate = nullptr;
        QPushButton* cancel = nullptr;
        if (dialog.ActionButton.Visible)
            action = box.addButton(ToQ(dialog.ActionButton.Caption), QMessageBox::AcceptRole);
        if (dialog.AlternateActionButton.Visible)
            alternate = box.addButton(ToQ(dialog.AlternateActionButton.Caption),
                                      QMessageBox::DestructiveRole);
        if (dialog.CancelButton.Visible)
            cancel = box.addButton(ToQ(dialog.CancelButton.Caption), QMessageBox::RejectRole);
        if (action) box.setDefaultButton(action);
        if (cancel) box.setEscapeButton(cancel);
        box.exec();
        if (action && box.clickedButton() == action) return Answer::Action;
        if (alternate && box.clickedButton() == alternate) return Answer::Alternate;
        return Answer::Cancel;
    }

    std::optional<std::string> ChooseSaveFile(const std::string& filter,
                                              const std::string& defaultName) override {
        if (!qApp) return std::nullopt;
        auto dialog = NewFileDialog(QFileDialog::AcceptSave, QStringLiteral("Sichern"), filter);
        dialog->selectFile(ToQ(defaultName));
        return ChosenFile(*dialog);
    }

    std::optional<std::string> ChooseOpenFile(const std::string& filter) override {
        if (!qApp) return std::nullopt;
        auto dialog = NewFileDialog(QFileDialog::AcceptOpen, QStringLiteral("Öffnen"), filter);
        return ChosenFile(*dialog);
    }
};

QtDialogHost& QtHost() {
    static QtDialogHost host;
    return host;
}

DialogHost*& CurrentHost() {
    static DialogHost* host = nullptr;
    return host;
}

DialogHost& Host() {
    return CurrentHost() ? *CurrentHost() : QtHost();
}

}  // namespace

// The program writes its line ends as CR LF, and the list as LF CR; Qt would draw either pair
// as two line breaks. Each pair, and a lone CR or LF, becomes one.
QString ShownText(const std::string& text) {
    const QString in = ToQ(text);
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const QChar c = in[i];
        if (c != u'\r' && c != u'\n') {
            out += c;
            continue;
        }
        out += u'\n';
        if (i + 1 < in.size() && (in[i + 1] == u'\r' || in[i + 1] == u'\n') && in[i + 1] != c) ++i;
    }
    return out;
}

QRect ScreenArea(QWidget* parent) {
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

int WidestWord(const QString& text, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& word :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

std::unique_ptr<QDialog> NewMessageBox(const std::string& text, QWidget* parent) {
    const QString shown = ShownText(text);
    if (TooLargeForQtsBox(shown, parent)) return NewScrollingMessageBox(shown, parent);
    return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QApplication::applicationName(),
                                         shown, QMessageBox::Ok, parent);
}

std::unique_ptr<QFileDialog> NewFileDialog(QFileDialog::AcceptMode mode, const QString& title,
                                           const std::string& filter) {
    auto dialog =
        std::make_unique<QFileDialog>(DialogParent(), title, QString(), FilterFor(filter));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
    return dialog;
}

DialogHost* SetDialogHost(DialogHost* host) {
    DialogHost* previous = CurrentHost();
    CurrentHost() = host;
    return previous;
}

void MsgBox(const std::string& text) {
    Host().ShowMessage(text);
}

// A new dialog shows its action button "OK"; the cancel button, hidden until the program shows
// it, reads "Abbrechen".
MessageDialog::MessageDialog() {
    ActionButton.Caption = "OK";
    ActionButton.Visible = true;
    ActionButton.Default = true;
    CancelButton.Caption = "Abbrechen";
}

MessageDialogButton* MessageDialog::ShowModal() {
    switch (Host().ShowMessageDialog(*this)) {
        case DialogHost::Answer::Action:
            return &ActionButton;
        case DialogHost::Answer::Alternate:
            return &AlternateActionButton;
        case DialogHost::Answer::Cancel:
            break;
    }
    return &CancelButton;
}

std::optional<FolderItem> GetSaveFolderItem(const std::string& filter,
                                            const std::string& defaultName) {
    if (auto path = Host().ChooseSaveFile(filter, defaultName)) return FolderItem{*path};
    return std::nullopt;
}

std::optional<FolderItem> GetOpenFolderItem(const std::string& filter) {
    if (auto path = Host().ChooseOpenFile(filter)) return FolderItem{*path};
    return std::nullopt;
}
