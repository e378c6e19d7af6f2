#pragma once

// The window's title addition. A native title bar cannot be painted in, so
// while styling is on the added title follows the caption in the window title.

#include <QObject>
#include <QPointer>
#include <QString>

class SkinManager;

class TsSkinProvider : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString AddedTitle READ AddedTitle WRITE setAddedTitle NOTIFY titleChanged)

public:
    explicit TsSkinProvider(QObject* parent = nullptr);

    QString AddedTitle() const { return addedTitle_; }
    void setAddedTitle(const QString& text);

    SkinManager* skinManager() const { return manager_; }
    void setSkinManager(SkinManager* manager);

    // The window title for `caption`: caption, a space and the added title
    // while the manager's styling is on; the caption alone otherwise.
    QString title(const QString& caption) const;
    static QString composeTitle(const QString& caption, const QString& addedTitle, bool styled);

signals:
    void titleChanged(); // the added title or the manager's on/off state changed

private:
    QString addedTitle_;
    QPointer<SkinManager> manager_;
    bool lastActive_ = false;
};
