// TextField (a QLineEdit) and TextArea (a QTextEdit that looks like a one-line field unless it
// is Multiline).
//
// A text wider than its field is drawn, while the field has no focus, from its start with "…" at
// the right edge, so that a cut number never reads as a complete one, and the whole text is the
// field's tooltip. Whether a text is cut is decided only where it is drawn or its tooltip is
// asked for, never where it is set: setting a text costs nothing more, and a resize or a font
// change needs nothing of its own.

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolTip>
#include <vector>

#include "framework/Controls.h"
#include "framework/Internals.h"

namespace {

const QChar kEllipsis(0x2026);

// The focus as the window keeps it: a field keeps its focus while another application is
// active, and its drawing does not change with that.
bool HasWindowFocus(const QWidget* widget) {
    const QWidget* focus = widget->window()->focusWidget();
    return focus && (focus == widget || widget->isAncestorOf(focus));
}

// What the tooltip shows of `text`: the text itself. Qt wraps a long plain tooltip to fit the
// screen; a text that Qt would take for rich text is escaped first, so that it shows as typed.
QString ToolTipFor(const QString& text) {
    return Qt::mightBeRichText(text) ? Qt::convertFromPlainText(text) : text;
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

    // Whether the text is wider than the line the field shows, measured as the line edit
    // measures it before it scrolls: the text's advance and a pixel for the cursor.
    bool TextCut() const {
        const QString shown = displayText();
        if (shown.isEmpty()) return false;
        Measure now{shown, font(), size(), hasFrame()};
        if (!now.SameSubject(measured_)) {
            now.cut = fontMetrics().horizontalAdvance(shown) + kCursorWidth > LineRect().width();
            measured_ = std::move(now);
        }
        return measured_.cut;
    }
    // Without the focus a cut text is drawn from its start, ending in "…".
    bool DrawnFromStart() const { return !HasWindowFocus(this) && TextCut(); }

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
        // A password is never shown as a tooltip.
        if (e->type() == QEvent::ToolTip && echoMode() == QLineEdit::Normal && TextCut()) {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), ToolTipFor(text()), this,
                               rect());
            return true;
        }
        return QLineEdit::event(e);
    }

    void paintEvent(QPaintEvent* e) override {
        if (!DrawnFromStart()) {
            QLineEdit::paintEvent(e);
            return;
        }
        // As QLineEdit draws an unfocused field, with the text cut short before "…".
        QPainter painter(this);
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        painter.setClipRect(ContentsRect(panel));
        const QRect line = LineRect();
        const QFontMetrics metrics = fontMetrics();
        const int room = line.width() - kCursorWidth;
        painter.setPen(palette().text().color());
        painter.drawText(QPoint(line.left(), line.top() + metrics.ascent()),
                         metrics.elidedText(displayText(), Qt::ElideRight, room));
    }

    // The line edit shows its whole text again while it has the focus.
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        update();
    }

  private:
    static constexpr int kCursorWidth = 1;

    QRect ContentsRect(const QStyleOptionFrame& panel) const {
        return style()
            ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
            .marginsRemoved(textMargins());
    }
    // The line inside the frame on which QLineEdit lays out its text.
    QRect LineRect() const {
        constexpr int kHorizontalMargin = 2;  // QLineEdit's own, on either side
        QStyleOptionFrame panel;
        initStyleOption(&panel);
        const QRect inside = ContentsRect(panel);
        const int height = fontMetrics().height();
        return QRect(inside.x() + kHorizontalMargin,
                     inside.y() + (inside.height() - height + 1) / 2,
                     inside.width() - 2 * kHorizontalMargin, height);
    }

    // What the last measure was made for, and what it gave: a field is drawn far more often
    // than its text, font or size change.
    struct Measure {
        QString text;
        QFont font;
        QSize size;
        bool frame = false;
        bool cut = false;
        bool SameSubject(const Measure& o) const {
            return size == o.size && frame == o.frame && text == o.text && font == o.font;
        }
    };
    mutable Measure measured_;
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
            edit_->setAlignment(FieldAlignment(std::get<std::int32_t>(value)) | Qt::AlignVCenter);
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

// One line of a text area as it is drawn without the focus: where its layout sits, and whether
// it ends in "…" (it is wider than the area, or more text follows below it).
struct ShownLine {
    QTextLine line;
    QPointF origin;
    bool cut = false;
};

// Whether the line `index` of `block`, or some line after it, holds text.
bool TextFrom(const QTextBlock& block, int index) {
    const QTextLayout* layout = block.layout();
    for (int i = index; i < layout->lineCount(); ++i)
        if (layout->lineAt(i).textLength() > 0) return true;
    for (QTextBlock next = block.next(); next.isValid(); next = next.next())
        if (next.length() > 1) return true;  // its length counts the block's end
    return false;
}

// The position in `line` up to which its text leaves `room` pixels from its start: whole
// characters only, as a cursor could stand between them.
int PositionWithin(const QTextLine& line, qreal room) {
    const qreal start = line.cursorToX(line.textStart());
    int position = line.xToCursor(start + room, QTextLine::CursorOnCharacter);
    while (position > line.textStart() && line.cursorToX(position) - start > room) --position;
    return position;
}

// A text editor that, while not Multiline, keeps one line: Return goes on to the window (its
// default button), and the line sits in the middle of the field's height.
class AreaEdit : public QTextEdit {
  public:
    bool multiline = false;
    bool hideSelection = true;
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

    // The lines drawn while the area has no focus, from the start of the text: those that the
    // height shows whole (the first one at least); one wider than the area, and the last one
    // when more text follows, end in "…".
    std::vector<ShownLine> ShownLines() const {
        const QRectF box = viewport()->rect();
        const qreal room = box.width() - 2 * document()->documentMargin();
        QAbstractTextDocumentLayout* layouts = document()->documentLayout();
        std::vector<ShownLine> lines;
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            layouts->blockBoundingRect(block);  // lays the block out, if it is not yet
            const QTextLayout* layout = block.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                const qreal bottom = layout->position().y() + line.rect().bottom();
                if (!lines.empty() && bottom > box.bottom()) {
                    if (TextFrom(block, i)) lines.back().cut = true;
                    return lines;
                }
                lines.push_back({line, layout->position(), line.naturalTextWidth() > room});
            }
        }
        return lines;
    }
    bool TextCut() const {
        for (const ShownLine& shown : ShownLines())
            if (shown.cut) return true;
        return false;
    }
    // Without the focus a cut text is drawn from its start, and so is a text whose selection
    // is hidden.
    bool DrawnFromStart() const {
        if (HasWindowFocus(this)) return false;
        return (hideSelection && textCursor().hasSelection()) || TextCut();
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
        if (e->type() == QEvent::ToolTip && TextCut()) {
            QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), ToolTipFor(toPlainText()),
                               this, rect());
            return true;
        }
        return QTextEdit::event(e);
    }

    void paintEvent(QPaintEvent* e) override {
        if (!DrawnFromStart()) {
            QTextEdit::paintEvent(e);
            return;
        }
        // Line by line as the document draws them, without selection or cursor; a cut line as
        // if it were left-aligned, its end making way for "…".
        QPainter painter(viewport());
        painter.setPen(palette().text().color());
        painter.setFont(document()->defaultFont());
        const qreal room = viewport()->width() - 2 * document()->documentMargin();
        const qreal ellipsis =
            QFontMetricsF(document()->defaultFont()).horizontalAdvance(kEllipsis);
        for (const ShownLine& shown : ShownLines()) {
            const QTextLine& line = shown.line;
            if (!shown.cut) {
                line.draw(&painter, shown.origin);
                continue;
            }
            const QPointF origin(shown.origin.x() - line.x(), shown.origin.y());
            const int end = PositionWithin(line, room - ellipsis);
            const qreal tail =
                shown.origin.x() + line.cursorToX(end) - line.cursorToX(line.textStart());
            const QRectF band(0, origin.y() + line.y(), tail, line.height());
            painter.save();
            painter.setClipRect(band);
            line.draw(&painter, origin);
            painter.restore();
            painter.drawText(QPointF(tail, origin.y() + line.y() + line.ascent()), kEllipsis);
        }
    }

    // The drawing changes with the focus, as a whole.
    void focusInEvent(QFocusEvent* e) override {
        QTextEdit::focusInEvent(e);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* e) override {
        QTextEdit::focusOutEvent(e);
        viewport()->update();
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
        } else if (name == "HideSelection") {
            edit_->hideSelection = std::get<bool>(value);
            edit_->viewport()->update();
        } else if (name == "Alignment") {
            edit_->alignment = FieldAlignment(std::get<std::int32_t>(value));
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
    // Without the focus a cut text is drawn from its start, whatever the view scrolled to.
    if (auto* field = dynamic_cast<FieldEdit*>(widget); field && field->DrawnFromStart()) return 1;
    if (auto* area = dynamic_cast<AreaEdit*>(widget); area && area->DrawnFromStart()) return 1;
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

// The real road: a help event where the pointer rests, which Qt hands on to the parents while
// nobody takes it; the tooltip is closed again at once.
std::string TextControl::ToolTip() const {
    QWidget* widget = WidgetOf(*this);
    if (!widget || !widget->isVisible()) return {};
    const QPoint middle = widget->rect().center();
    QWidget* target = widget->childAt(middle);
    if (!target) target = widget;
    QHelpEvent help(QEvent::ToolTip, target->mapFrom(widget, middle), widget->mapToGlobal(middle));
    QApplication::sendEvent(target, &help);
    QString shown;
    if (help.isAccepted() && QToolTip::isVisible()) shown = QToolTip::text();
    QToolTip::hideText();
    if (Qt::mightBeRichText(shown)) shown = QTextDocumentFragment::fromHtml(shown).toPlainText();
    return shown.toStdString();
}
