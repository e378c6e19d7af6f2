#include "ui/TsSkinProvider.h"

#include "ui/SkinManager.h"

TsSkinProvider::TsSkinProvider(QObject* parent)
    : QObject(parent), addedTitle_(QStringLiteral("- расчёт технических потерь в сетях 0,4 кВ")) {
    setObjectName(QStringLiteral("sSkinProvider1"));
}

void TsSkinProvider::setAddedTitle(const QString& text) {
    if (text == addedTitle_)
        return;
    addedTitle_ = text;
    emit titleChanged();
}

void TsSkinProvider::setSkinManager(SkinManager* manager) {
    if (manager_ == manager)
        return;
    if (manager_)
        disconnect(manager_, nullptr, this, nullptr);
    manager_ = manager;
    lastActive_ = manager_ && manager_->Active();
    if (manager_)
        connect(manager_, &SkinManager::stateChanged, this, [this] {
            // A change of the style name alone leaves the title as it is.
            if (manager_->Active() == lastActive_)
                return;
            lastActive_ = manager_->Active();
            emit titleChanged();
        });
    emit titleChanged();
}

QString TsSkinProvider::title(const QString& caption) const {
    return composeTitle(caption, addedTitle_, manager_ && manager_->Active());
}

QString TsSkinProvider::composeTitle(const QString& caption, const QString& addedTitle,
                                     bool styled) {
    if (!styled || addedTitle.isEmpty())
        return caption;
    return caption + u' ' + addedTitle;
}
