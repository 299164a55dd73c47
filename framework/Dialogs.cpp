#include "framework/Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <memory>

#include "framework/Internals.h"

namespace {

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

std::unique_ptr<QFileDialog> NewFileDialog(QFileDialog::AcceptMode mode, const QString& title,
                                           const std::string& filter) {
    auto dialog =
        std::make_unique<QFileDialog>(DialogParent(), title, QString(), FilterFor(filter));
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                        : QFileDialog::ExistingFile);
    return dialog;
}

std::optional<std::string> ChosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

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

// The width of the widest run of characters without a blank: Qt's message box cannot break it.
int WidestWord(const QString& text, const QFontMetrics& metrics) {
    int widest = 0;
    for (const QString& word :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// Qt's message box grows with its text: a text taller than two thirds of the screen (with the
// room the button needs) would push the button off the screen, and a run of characters without
// a blank wider than the box is cut off, since the box breaks lines only at blanks. Such a text
// is shown in a scrolling view instead. A long text is not measured at all: laying it out is
// slow, and it could not fit anyway.
bool TooLargeForQtsBox(const QString& text, QWidget* parent) {
    constexpr qsizetype kSurelyTooLong = 4000;
    if (text.size() > kSurelyTooLong) return true;
    const QRect screen = ScreenArea(parent);
    const int width = screen.width() * 2 / 3;
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    if (WidestWord(text, metrics) > width) return true;
    const QRect laidOut =
        metrics.boundingRect(QRect(0, 0, width, 0), Qt::TextWordWrap | Qt::AlignLeft, text);
    const int buttonRoom = 6 * metrics.height();
    return laidOut.height() + buttonRoom > screen.height() * 2 / 3;
}

// Qt looks for a blank to break at again for every line of a run without one, which takes
// seconds for a run of some ten thousand characters; such a run is broken anywhere instead.
constexpr qsizetype kLongRun = 2000;

qsizetype LongestRun(const QString& text) {
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

// The scrolling view of a long message; it can tell a check which of its lines can be brought
// into view.
class ListingView : public QPlainTextEdit {
  public:
    // The height of the whole text as laid out, in pixels.
    int TextHeight() {
        int height = 0;
        for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
            height += static_cast<int>(blockBoundingRect(b).height());
        return height;
    }
    // Scrolled to the end, the last line lies wholly in view; and no line runs beyond the right
    // edge. Scrolling moves line by line, so every line in between can be reached as well.
    bool EveryLineReachable() {
        QScrollBar* bar = verticalScrollBar();
        const int before = bar->value();
        bar->setValue(bar->maximum());
        const QRectF last =
            blockBoundingGeometry(document()->lastBlock()).translated(contentOffset());
        const bool reachable =
            last.bottom() <= viewport()->height() + 0.5 && horizontalScrollBar()->maximum() == 0;
        bar->setValue(before);
        return reachable;
    }
};

// A read-only plain text view lays out only what it shows, so even a very long list opens at
// once; it breaks lines at blanks or, in a long run, anywhere, so nothing lies beyond the right
// edge. The box is two thirds of the screen high, its button below the view.
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

    // As wide as the longest line needs, at least as wide as Qt's own message box and at most
    // two thirds of the screen. A very long text is given the widest box without measuring it.
    constexpr int kMinWidth = 320;
    constexpr qsizetype kMeasuredUpTo = 20000;
    const QFontMetrics metrics(view->font());
    int longest = text.size() <= kMeasuredUpTo ? 0 : screen.width();
    if (text.size() <= kMeasuredUpTo)
        for (const QString& line : text.split(u'\n'))
            longest = std::max(longest, metrics.horizontalAdvance(line));
    const int chrome = view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth() +
                       2 * static_cast<int>(view->document()->documentMargin()) + 4;
    view->setMinimumWidth(std::clamp(longest + chrome, kMinWidth, screen.width() * 2 / 3));
    box->resize(box->sizeHint().width(), screen.height() * 2 / 3);
    return box;
}

std::unique_ptr<QDialog> NewMessageBox(const std::string& text, QWidget* parent) {
    const QString shown = ShownText(text);
    if (TooLargeForQtsBox(shown, parent)) return NewScrollingMessageBox(shown, parent);
    return std::make_unique<QMessageBox>(QMessageBox::NoIcon, QApplication::applicationName(),
                                         shown, QMessageBox::Ok, parent);
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

MessageBoxLook LookOfMessageBox(const std::string& text) {
    MessageBoxLook look;
    if (!qApp) return look;
    std::unique_ptr<QDialog> box = NewMessageBox(text, nullptr);
    box->show();  // lays the box out as it appears
    look.height = box->height();
    look.screenHeight = ScreenArea(box.get()).height();
    const auto buttons = box->findChildren<QAbstractButton*>();
    look.buttonInside = !buttons.isEmpty() && look.height <= look.screenHeight;
    for (QAbstractButton* b : buttons) {
        const QRect inBox(b->mapTo(box.get(), QPoint(0, 0)), b->size());
        look.buttonInside = look.buttonInside && b->isVisible() && box->rect().contains(inBox);
    }
    const QString shown = ShownText(text);
    if (auto* view = box->findChild<ListingView*>()) {
        look.lineBreaks = static_cast<int>(view->toPlainText().count(u'\n'));
        look.textHeight = view->TextHeight();
        look.everyLineReachable = view->EveryLineReachable();
    }
    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text() != shown) continue;
        look.lineBreaks = static_cast<int>(label->text().count(u'\n') + label->text().count(u'\r'));
        look.textHeight = label->height();
        // Qt's box breaks lines only at blanks: a run longer than the label is wide is cut off.
        const QRect inBox(label->mapTo(box.get(), QPoint(0, 0)), label->size());
        look.everyLineReachable =
            box->rect().contains(inBox) &&
            WidestWord(shown, QFontMetrics(label->font())) <= label->contentsRect().width();
    }
    box->hide();
    return look;
}

bool FileDialogListsAtFirst(const std::string& filter, const std::string& fileName) {
    if (!qApp) return false;
    auto dialog = NewFileDialog(QFileDialog::AcceptOpen, QString(), filter);
    const QRegularExpression inBrackets(QStringLiteral("\\(([^)]*)\\)"));
    const QRegularExpressionMatch match = inBrackets.match(dialog->selectedNameFilter());
    if (!match.hasMatch()) return false;
    const QStringList patterns = match.captured(1).split(u' ', Qt::SkipEmptyParts);
    return QDir::match(patterns, ToQ(fileName));
}
