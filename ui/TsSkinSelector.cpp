#include "ui/TsSkinSelector.h"

#include "ui/SkinManager.h"

#include <QSignalBlocker>
#include <QStandardItemModel>

QString TsSkinSelector::standardThemeText() {
    return QStringLiteral("Standard theme");
}

TsSkinSelector::TsSkinSelector(QWidget* parent) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    connect(this, &QComboBox::activated, this, &TsSkinSelector::onActivated);
    refresh();
}

void TsSkinSelector::setSkinManager(SkinManager* manager) {
    if (manager_ == manager)
        return;
    if (manager_)
        disconnect(manager_, nullptr, this, nullptr);
    manager_ = manager;
    if (manager_) {
        connect(manager_, &SkinManager::stateChanged, this, &TsSkinSelector::syncCurrent);
        connect(manager_, &SkinManager::lookChanged, this, &TsSkinSelector::syncCurrent);
    }
    refresh();
}

void TsSkinSelector::refresh() {
    rebuild();
    syncCurrent();
}

void TsSkinSelector::showPopup() {
    refresh();
    QComboBox::showPopup();
}

void TsSkinSelector::rebuild() {
    const QSignalBlocker blocker(this);
    clear();
    addItem(standardThemeText());
    if (manager_)
        addItems(manager_->skinNames());
}

int TsSkinSelector::indexOfStyle(const QString& name) const {
    for (int i = 1; i < count(); ++i)
        if (itemText(i) == name)
            return i;
    return -1;
}

void TsSkinSelector::syncCurrent() {
    const bool on = manager_ && manager_->Active();
    int index = -1;
    if (on) {
        index = indexOfStyle(manager_->appliedSkinName());
        if (index < 0) { // a style file added since the list was read
            rebuild();
            index = indexOfStyle(manager_->appliedSkinName());
        }
    }
    if (auto* items = qobject_cast<QStandardItemModel*>(model()))
        if (QStandardItem* standard = items->item(0))
            standard->setEnabled(on);
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

void TsSkinSelector::onActivated(int index) {
    if (!manager_ || index < 0)
        return;
    if (index == 0) {
        manager_->setActive(false);
        return;
    }
    const QString name = itemText(index);
    manager_->setSkinName(name);
    manager_->setActive(true);
}
