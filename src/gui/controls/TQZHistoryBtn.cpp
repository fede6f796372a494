#include "gui/controls/TQZHistoryBtn.h"

#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <stdexcept>

#include "core/settings/Profile.h"
#include "core/settings/SettingsFileName.h"

namespace qhe {
namespace {

// The edit's property that names the history button serving it.
constexpr char kLinkedButtonProperty[] = "qheHistoryBtn";

} // namespace

TQZHistoryBtn::TQZHistoryBtn(QWidget* parent) : QToolButton(parent) {
    setArrowType(Qt::DownArrow);
    setFixedWidth(kButtonWidth);
    // A click hands the focus to the edit; the button itself never keeps it.
    setFocusPolicy(Qt::NoFocus);
    ColorHistoryBack = palette().color(QPalette::Button);
    ColorHistoryText = palette().color(QPalette::ButtonText);
    ColorHLHistoryBack = palette().color(QPalette::Highlight);
    ColorHLHistoryText = palette().color(QPalette::HighlightedText);
    connect(this, &QToolButton::clicked, this, &TQZHistoryBtn::DropDown);
}

TQZHistoryBtn::TQZHistoryBtn(QLineEdit* edit, const QString& iniSection, QWidget* parent)
    : TQZHistoryBtn(parent ? parent : (edit ? edit->parentWidget() : nullptr)) {
    iniSection_ = iniSection;
    SetEdit(edit);
    LoadHistory();
}

TQZHistoryBtn::~TQZHistoryBtn() {
    // A history that cannot be stored is no reason to disturb the closing dialog.
    try {
        SaveHistory();
    } catch (...) {
    }
    if (edit_ && edit_->property(kLinkedButtonProperty).value<QObject*>() == this)
        edit_->setProperty(kLinkedButtonProperty, QVariant());
    delete popup_;
}

void TQZHistoryBtn::SetEdit(QLineEdit* edit) {
    if (edit == edit_) return;
    if (edit) {
        QObject* linked = edit->property(kLinkedButtonProperty).value<QObject*>();
        if (linked && linked != this)
            throw std::logic_error(QStringLiteral("%1 is already linked to %2")
                                       .arg(edit->objectName(), linked->objectName())
                                       .toStdString());
    }
    if (edit_) {
        edit_->removeEventFilter(this);
        edit_->setProperty(kLinkedButtonProperty, QVariant());
    }
    edit_ = edit;
    watchedEdit_ = edit;
    if (!edit) return;
    edit->setProperty(kLinkedButtonProperty, QVariant::fromValue<QObject*>(this));
    edit->installEventFilter(this);
    if (!parentWidget()) setParent(edit->parentWidget());
    // Leaving the dialog with Enter gives the edit no focus change, so the dialog's
    // acceptance remembers the text too.
    if (auto* dialog = qobject_cast<QDialog*>(edit->window()))
        connect(dialog, &QDialog::accepted, this, [this] {
            if (edit_) AddEntry(edit_->text());
        });
    FollowEdit();
}

QStringList TQZHistoryBtn::Items() const {
    QStringList items;
    for (const std::string& item : history_.Items())
        items.append(QString::fromStdString(item));
    return items;
}

void TQZHistoryBtn::SetItems(const QStringList& items) {
    std::vector<std::string> entries;
    for (const QString& item : items)
        entries.push_back(item.toStdString());
    history_.SetItems(std::move(entries));
}

void TQZHistoryBtn::LoadHistory() {
    if (iniSection_.isEmpty()) return;
    history_.Load(ProfileSession(SettingsFileName()), iniSection_.toStdString());
    storedItems_ = history_.Items();
    if (edit_ && !history_.Items().empty()) edit_->setText(QString::fromStdString(history_.Items().front()));
}

bool TQZHistoryBtn::SaveHistory() {
    if (iniSection_.isEmpty()) return true;
    // A chosen entry leaves its older copy in the list until trimmed.
    history_.Trim();
    if (history_.Items() == storedItems_) return true;
    try {
        ProfileSession profile(SettingsFileName());
        history_.Save(profile, iniSection_.toStdString());
        profile.Commit();
    } catch (const ProfileWriteError&) {
        return false;
    }
    storedItems_ = history_.Items();
    return true;
}

void TQZHistoryBtn::AddEntry(const QString& text) {
    if (OnAdd && !OnAdd(text)) return;
    history_.Add(text.toStdString());
}

void TQZHistoryBtn::FollowEdit() {
    if (!edit_ || !parentWidget() || parentWidget() != edit_->parentWidget()) return;
    const QRect field = edit_->geometry();
    setGeometry(field.right() + 1, field.top(), kButtonWidth, field.height());
    setVisible(edit_->isVisibleTo(parentWidget()));
    raise();
}

bool TQZHistoryBtn::eventFilter(QObject* watched, QEvent* event) {
    if (watched == watchedEdit_ && !edit_.isNull()) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            FollowEdit();
            break;
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                AddEntry(edit_->text());
            break;
        }
        case QEvent::KeyPress: {
            if (history_.Items().empty()) break;
            const std::string text = edit_->text().toStdString();
            int index = -1;
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_PageUp:
                index = history_.FirstIndex();
                break;
            case Qt::Key_PageDown:
                index = history_.LastIndex();
                break;
            case Qt::Key_Up:
                index = history_.PreviousIndex(text);
                break;
            case Qt::Key_Down:
                index = history_.NextIndex(text);
                break;
            default:
                return false;
            }
            TakeEntry(index);
            return true;
        }
        default:
            break;
        }
    } else if (watched == popup_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            ClosePopup();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && popup_->currentItem()) {
            ChooseFromList(popup_->currentItem());
            return true;
        }
    }
    return QToolButton::eventFilter(watched, event);
}

void TQZHistoryBtn::TakeEntry(int index) {
    if (index < 0 || index >= static_cast<int>(history_.Items().size()) || !edit_) return;
    const QString text = QString::fromStdString(history_.Items()[static_cast<size_t>(index)]);
    if (OnSelect && !OnSelect(text)) return;
    edit_->setText(text);
    edit_->selectAll();
}

void TQZHistoryBtn::DropDown() {
    if (!edit_ || !edit_->isEnabled()) return;
    edit_->setFocus(Qt::OtherFocusReason);
    history_.Trim();
    ClosePopup();
    if (history_.Items().empty()) return;

    auto* list = new QListWidget(window());
    list->setWindowFlags(Qt::Popup);
    list->setAttribute(Qt::WA_DeleteOnClose);
    for (const std::string& item : history_.Items())
        list->addItem(" " + QString::fromStdString(item) + " ");
    QPalette colours = list->palette();
    colours.setColor(QPalette::Base, ColorHistoryBack);
    colours.setColor(QPalette::Text, ColorHistoryText);
    colours.setColor(QPalette::Highlight, ColorHLHistoryBack);
    colours.setColor(QPalette::HighlightedText, ColorHLHistoryText);
    list->setPalette(colours);
    list->setCurrentRow(0);

    // At least as wide as the edit, at most as wide as the form.
    const int frame = 2 * list->frameWidth();
    const int contentWidth =
        list->sizeHintForColumn(0) + frame + list->verticalScrollBar()->sizeHint().width();
    const int width = std::max(edit_->width(), std::min(contentWidth, window()->width()));
    const int height = list->sizeHintForRow(0) * list->count() + frame;
    list->setGeometry(QRect(edit_->mapToGlobal(QPoint(0, edit_->height())), QSize(width, height)));
    connect(list, &QListWidget::itemClicked, this, &TQZHistoryBtn::ChooseFromList);
    list->installEventFilter(this);
    popup_ = list;
    list->show();
    list->setFocus(Qt::PopupFocusReason);
}

void TQZHistoryBtn::ChooseFromList(QListWidgetItem* item) {
    if (!popup_ || !item) return;
    const int index = popup_->row(item);
    ClosePopup();
    if (index < 0 || index >= static_cast<int>(history_.Items().size()) || !edit_) return;
    const QString text = QString::fromStdString(history_.Items()[static_cast<size_t>(index)]);
    if (OnSelect && !OnSelect(text)) return;
    history_.Choose(index);
    edit_->setText(text);
    edit_->setFocus(Qt::PopupFocusReason);
    edit_->selectAll();
}

void TQZHistoryBtn::ClosePopup() {
    if (!popup_) return;
    QListWidget* list = popup_;
    popup_ = nullptr;
    list->removeEventFilter(this);
    list->close();
}

} // namespace qhe
