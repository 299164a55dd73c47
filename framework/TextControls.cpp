// TextField (a QLineEdit) and TextArea (a QTextEdit that looks like a one-line field unless it
// is Multiline).

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "framework/Controls.h"
#include "framework/Internals.h"

namespace {

// Alignment codes of text fields and text areas: 0 the default (left), 1 left, 2 centred,
// 3 right.
Qt::Alignment HorizontalAlignment(std::int32_t code) {
    switch (code) {
        case 2:
            return Qt::AlignHCenter;
        case 3:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

// With AcceptTabs a field keeps Tab and Shift+Tab; Ctrl+Tab and Ctrl+Shift+Tab then move the
// focus along the tab chain, as is usual for such fields (on macOS Qt reports the Control key
// as Meta). Returns whether `e` was such a key, and how the focus moves.
enum class TabKey { None, Kept, Next, Previous };
TabKey TabKeyOf(const QKeyEvent& e) {
    if (e.key() != Qt::Key_Tab && e.key() != Qt::Key_Backtab) return TabKey::None;
    if (!(e.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) return TabKey::Kept;
    const bool back = e.key() == Qt::Key_Backtab || (e.modifiers() & Qt::ShiftModifier);
    return back ? TabKey::Previous : TabKey::Next;
}

class FieldEdit : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;
    bool acceptTabs = false;

  protected:
    bool event(QEvent* e) override {
        if (acceptTabs && e->type() == QEvent::KeyPress) {
            const TabKey tab = TabKeyOf(*static_cast<QKeyEvent*>(e));
            if (tab != TabKey::None) {
                if (tab != TabKey::Kept) focusNextPrevChild(tab == TabKey::Next);
                e->accept();
                return true;
            }
        }
        return QLineEdit::event(e);
    }
};

class TextFieldAdapter : public ControlAdapter {
  public:
    explicit TextFieldAdapter(FieldEdit* edit) : edit_(edit) {}
    std::string Text() const override { return edit_->text().toStdString(); }
    // Qt puts the cursor behind a text it is given, and a text wider than the field then shows
    // its end: a number would lose its sign and leading digits, a term its constant. What the
    // program writes is shown from its first character.
    void SetText(std::string_view text) override {
        edit_->setText(ToQ(text));
        edit_->setCursorPosition(0);
    }
    void Apply(std::string_view name, const PropertyValue& value) override {
        if (name == "Text") {
            if (!IsUntouchedEmpty(std::get<std::string>(value)))
                SetText(std::get<std::string>(value));
        } else if (name == "ReadOnly") {
            edit_->setReadOnly(std::get<bool>(value));
        } else if (name == "Border") {
            edit_->setFrame(std::get<bool>(value));
        } else if (name == "Password") {
            edit_->setEchoMode(std::get<bool>(value) ? QLineEdit::Password : QLineEdit::Normal);
        } else if (name == "LimitText") {
            const std::int32_t limit = std::get<std::int32_t>(value);
            edit_->setMaxLength(limit > 0 ? limit : 32767);
        } else if (name == "AcceptTabs") {
            edit_->acceptTabs = std::get<bool>(value);
        } else if (name == "Alignment") {
            edit_->setAlignment(HorizontalAlignment(std::get<std::int32_t>(value)) |
                                Qt::AlignVCenter);
        } else if (name == "CueText") {
            edit_->setPlaceholderText(ToQ(std::get<std::string>(value)));
        }
    }

  private:
    // Most records give a field no text. A field that is empty and has never been edited is
    // already what setting it empty would make of it (no undo steps, not modified, the cursor at
    // 0), and skipping that spares a text layout per field.
    bool IsUntouchedEmpty(std::string_view text) const {
        return text.empty() && edit_->text().isEmpty() && !edit_->isModified() &&
               !edit_->isUndoAvailable() && !edit_->isRedoAvailable();
    }

    FieldEdit* edit_;
};

// A text editor that, while not Multiline, keeps one line: Return goes on to the window (its
// default button), and the line sits in the middle of the field's height.
class AreaEdit : public QTextEdit {
  public:
    bool multiline = false;
    Qt::Alignment alignment = Qt::AlignLeft;
    double lineSpacing = 1.0;

    explicit AreaEdit(QWidget* parent) : QTextEdit(parent) {
        setAcceptRichText(false);
        setTabChangesFocus(true);
        setLineWrapMode(QTextEdit::NoWrap);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(2);
    }

    // Shown from its first character, whatever the view showed before.
    void SetPlain(const QString& text) {
        setPlainText(text);
        ApplyLineSpacing();
        moveCursor(QTextCursor::Start);
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }

    // A format change is no change of the text: it raises no TextChange.
    void ApplyLineSpacing() {
        if (lineSpacing == 1.0) return;
        const QSignalBlocker quiet(this);
        QTextCursor cursor(document());
        cursor.select(QTextCursor::Document);
        QTextBlockFormat format;
        format.setLineHeight(lineSpacing * 100, QTextBlockFormat::ProportionalHeight);
        cursor.mergeBlockFormat(format);
    }

    void ApplyAlignment() {
        QTextOption option = document()->defaultTextOption();
        option.setAlignment(alignment);
        document()->setDefaultTextOption(option);
        CentreLine();
    }

    // Leaves above the text the room that centres one line vertically.
    void CentreLine() {
        const int lineHeight = fontMetrics().lineSpacing() + 2 * 2;
        const int room =
            multiline ? 0 : std::max(0, (height() - 2 * frameWidth() - lineHeight) / 2);
        setViewportMargins(0, room, 0, 0);
    }

  protected:
    bool event(QEvent* e) override {
        if (!tabChangesFocus() && e->type() == QEvent::KeyPress) {
            const TabKey tab = TabKeyOf(*static_cast<QKeyEvent*>(e));
            if (tab == TabKey::Next || tab == TabKey::Previous) {
                // QTextEdit keeps the focus for itself while it takes Tab.
                QAbstractScrollArea::focusNextPrevChild(tab == TabKey::Next);
                e->accept();
                return true;
            }
        }
        return QTextEdit::event(e);
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (!multiline && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
            e->ignore();
            return;
        }
        QTextEdit::keyPressEvent(e);
    }
    void resizeEvent(QResizeEvent* e) override {
        QTextEdit::resizeEvent(e);
        CentreLine();
    }
};

class TextAreaAdapter : public ControlAdapter {
  public:
    explicit TextAreaAdapter(AreaEdit* edit) : edit_(edit) {}
    std::string Text() const override { return edit_->toPlainText().toStdString(); }
    void SetText(std::string_view text) override { edit_->SetPlain(ToQ(text)); }
    void FontChanged() override { edit_->CentreLine(); }
    void SetLineSpacing(double spacing) override {
        edit_->lineSpacing = spacing;
        edit_->ApplyLineSpacing();
    }
    void Apply(std::string_view name, const PropertyValue& value) override {
        if (name == "Text") {
            SetText(std::get<std::string>(value));
        } else if (name == "ReadOnly") {
            edit_->setReadOnly(std::get<bool>(value));
        } else if (name == "Border") {
            edit_->setFrameShape(std::get<bool>(value) ? QFrame::StyledPanel : QFrame::NoFrame);
            edit_->CentreLine();
        } else if (name == "Multiline") {
            edit_->multiline = std::get<bool>(value);
            edit_->setLineWrapMode(edit_->multiline ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
            edit_->CentreLine();
        } else if (name == "ScrollbarHorizontal") {
            edit_->setHorizontalScrollBarPolicy(std::get<bool>(value) ? Qt::ScrollBarAsNeeded
                                                                      : Qt::ScrollBarAlwaysOff);
        } else if (name == "ScrollbarVertical") {
            edit_->setVerticalScrollBarPolicy(std::get<bool>(value) ? Qt::ScrollBarAsNeeded
                                                                    : Qt::ScrollBarAlwaysOff);
        } else if (name == "AcceptTabs") {
            edit_->setTabChangesFocus(!std::get<bool>(value));
        } else if (name == "Alignment") {
            edit_->alignment = HorizontalAlignment(std::get<std::int32_t>(value));
            edit_->ApplyAlignment();
        }
    }

  private:
    AreaEdit* edit_;
};

}  // namespace

void TextField::CreateWidget() {
    auto* edit = new FieldEdit(NewWidgetParent(*this));
    // Records give fields the centred default; until then they read left-aligned.
    edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this] { Raise(Event::TextChange); });
    InstallWidget(*this, edit, std::make_unique<TextFieldAdapter>(edit));
}

bool TextField::ReadOnly() const {
    if (!HasProperty("ReadOnly")) return false;
    return std::get<bool>(Property("ReadOnly"));
}

void TextArea::CreateWidget() {
    auto* edit = new AreaEdit(NewWidgetParent(*this));
    QObject::connect(edit, &QTextEdit::textChanged, edit, [this] { Raise(Event::TextChange); });
    InstallWidget(*this, edit, std::make_unique<TextAreaAdapter>(edit));
}

std::int32_t TextControl::FirstVisibleCharacter() const {
    // Qt counts positions in UTF-16 units; Mid counts characters.
    const auto characterAt = [](const QString& text, int position) {
        return static_cast<std::int32_t>(text.left(position).toUcs4().size()) + 1;
    };
    QWidget* widget = WidgetOf(*this);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        // A line edit settles its scroll offset while it paints.
        edit->grab();
        const QRect inside = edit->contentsRect().marginsRemoved(edit->textMargins());
        const QPoint edge(inside.left() + 2, inside.center().y());
        return characterAt(edit->text(), edit->cursorPositionAt(edge));
    }
    if (auto* edit = qobject_cast<QTextEdit*>(widget)) {
        edit->grab();
        // The top left corner of the text, inside the document's margin.
        const int margin = static_cast<int>(edit->document()->documentMargin()) + 1;
        const QPoint edge(margin, margin);
        return characterAt(edit->toPlainText(), edit->cursorForPosition(edge).position());
    }
    return 1;
}
