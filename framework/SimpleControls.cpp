// Label, PushButton, ComboBox and UpDownArrows.

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "framework/Controls.h"
#include "framework/Internals.h"

namespace {

// ---- Label ----

// A label that is not Multiline shows its text on one line: line ends at its end show
// nothing (captions carry some), the ones inside become blanks.
QString OneLine(QString text) {
    while (text.endsWith(QChar('\r')) || text.endsWith(QChar('\n'))) text.chop(1);
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QChar('\r'), QChar(' '));
    text.replace(QChar('\n'), QChar(' '));
    return text;
}

class LabelAdapter : public ControlAdapter {
  public:
    explicit LabelAdapter(QLabel* label) : label_(label) { Show(); }
    std::string Text() const override { return text_; }
    void SetText(std::string_view text) override {
        text_ = std::string(text);
        Show();
    }
    void Apply(std::string_view name, const PropertyValue& value) override {
        if (name == "Text") {
            SetText(std::get<std::string>(value));
        } else if (name == "TextAlign") {
            align_ = std::get<std::int32_t>(value);
            Show();
        } else if (name == "Multiline") {
            multiline_ = std::get<bool>(value);
            Show();
        } else if (name == "Selectable") {
            label_->setTextInteractionFlags(std::get<bool>(value) ? Qt::TextSelectableByMouse
                                                                  : Qt::NoTextInteraction);
        }
    }

  private:
    void Show() {
        QString text = ToQ(text_);
        if (multiline_) {
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
            text.replace(QChar('\r'), QChar('\n'));
        } else {
            text = OneLine(text);
        }
        label_->setWordWrap(multiline_);
        label_->setAlignment(LabelAlignment(align_) |
                             (multiline_ ? Qt::AlignTop : Qt::AlignVCenter));
        label_->setText(text);
    }

    QLabel* label_;
    std::string text_;
    std::int32_t align_ = 1;
    bool multiline_ = false;
};

// ---- PushButton ----

class ButtonAdapter : public ControlAdapter {
  public:
    explicit ButtonAdapter(QPushButton* button) : button_(button) {}
    std::string Text() const override { return button_->text().toStdString(); }
    void SetText(std::string_view text) override { button_->setText(ToQ(text)); }
    void Apply(std::string_view name, const PropertyValue& value) override {
        if (name == "Caption") {
            SetText(std::get<std::string>(value));
        } else if (name == "Default") {
            // The look only; Window::PressReturn finds the button by its Default property.
            button_->setDefault(std::get<bool>(value));
        }
        // ButtonStyle 4 (the standard push button) and 8 (a bevel button) both draw as the
        // standard push button of the style: it shows either caption best.
    }

  private:
    QPushButton* button_;
};

// ---- ComboBox ----

// An editable combo box that raises TextChanged for every change of its text, and also when
// the user chooses the entry that it already shows (so choosing an action twice works).
class Combo : public QComboBox {
  public:
    using QComboBox::QComboBox;
    bool changedSinceChoice = false;

  protected:
    void showPopup() override {
        changedSinceChoice = false;
        QComboBox::showPopup();
    }
    void keyPressEvent(QKeyEvent* e) override {
        changedSinceChoice = false;
        QComboBox::keyPressEvent(e);
    }
    void wheelEvent(QWheelEvent* e) override {
        changedSinceChoice = false;
        QComboBox::wheelEvent(e);
    }
};

class ComboAdapter : public ControlAdapter {
  public:
    explicit ComboAdapter(Combo* combo) : combo_(combo) {}
    std::string Text() const override { return combo_->currentText().toStdString(); }
    void SetText(std::string_view text) override { combo_->setEditText(ToQ(text)); }
    void Apply(std::string_view name, const PropertyValue& value) override {
        if (name == "InitialValue") {
            combo_->clear();
            const QString entries = ToQ(std::get<std::string>(value));
            if (!entries.isEmpty()) combo_->addItems(entries.split(QChar('\r')));
        } else if (name == "ListIndex") {
            const std::int32_t index = std::get<std::int32_t>(value);
            if (index >= 0 && index < combo_->count()) combo_->setCurrentIndex(index);
        }
    }

  private:
    Combo* combo_;
};

// ---- UpDownArrows ----

class ArrowsWidget : public QWidget {
  public:
    QToolButton* up = new QToolButton(this);
    QToolButton* down = new QToolButton(this);

    explicit ArrowsWidget(QWidget* parent) : QWidget(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (QToolButton* button : {up, down}) {
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            button->setFocusPolicy(Qt::NoFocus);
            button->setAutoRepeat(true);
            layout->addWidget(button);
        }
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
    }
};

}  // namespace

void Label::CreateWidget() {
    auto* label = new QLabel(NewWidgetParent(*this));
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    InstallWidget(*this, label, std::make_unique<LabelAdapter>(label));
}

void PushButton::CreateWidget() {
    auto* button = new QPushButton(NewWidgetParent(*this));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Raise(Event::Action); });
    InstallWidget(*this, button, std::make_unique<ButtonAdapter>(button));
}

void PushButton::Push() {
    auto* button = static_cast<QPushButton*>(WidgetOf(*this));
    if (button && Enabled() && Visible()) button->click();
}

void ComboBox::CreateWidget() {
    auto* combo = new Combo(NewWidgetParent(*this));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    QObject::connect(combo->lineEdit(), &QLineEdit::textChanged, combo, [this, combo] {
        combo->changedSinceChoice = true;
        Raise(Event::TextChanged);
    });
    QObject::connect(combo, &QComboBox::activated, combo, [this, combo] {
        if (!combo->changedSinceChoice) Raise(Event::TextChanged);
        combo->changedSinceChoice = true;
    });
    InstallWidget(*this, combo, std::make_unique<ComboAdapter>(combo));
}

std::vector<std::string> ComboBox::Entries() const {
    std::vector<std::string> entries;
    if (auto* combo = static_cast<QComboBox*>(WidgetOf(*this)))
        for (int i = 0; i < combo->count(); ++i)
            entries.push_back(combo->itemText(i).toStdString());
    return entries;
}

std::int32_t ComboBox::ListIndex() const {
    auto* combo = static_cast<QComboBox*>(WidgetOf(*this));
    if (!combo) return -1;
    // After typing, the text may be no entry at all.
    const int current = combo->currentIndex();
    if (current >= 0 && combo->itemText(current) == combo->currentText()) return current;
    return combo->findText(combo->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

void ComboBox::Choose(std::int32_t index) {
    auto* combo = static_cast<Combo*>(WidgetOf(*this));
    if (!combo || index < 0 || index >= combo->count()) return;
    combo->changedSinceChoice = false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void UpDownArrows::CreateWidget() {
    auto* arrows = new ArrowsWidget(NewWidgetParent(*this));
    QObject::connect(arrows->up, &QToolButton::clicked, arrows, [this] { Raise(Event::Up); });
    QObject::connect(arrows->down, &QToolButton::clicked, arrows, [this] { Raise(Event::Down); });
    InstallWidget(*this, arrows, std::make_unique<ControlAdapter>());
}

void UpDownArrows::PressUp() {
    if (auto* arrows = static_cast<ArrowsWidget*>(WidgetOf(*this)); arrows && Enabled())
        arrows->up->click();
}

void UpDownArrows::PressDown() {
    if (auto* arrows = static_cast<ArrowsWidget*>(WidgetOf(*this)); arrows && Enabled())
        arrows->down->click();
}
