#pragma once

// Drop-down list of the styles a SkinManager knows. The first entry,
// "Standard theme", switches styling off and is disabled while it is off;
// every other entry names a style, and picking one sets the manager's name
// and switches styling on. The selector changes nothing but the manager.

#include <QComboBox>
#include <QPointer>

class SkinManager;

class TsSkinSelector : public QComboBox {
    Q_OBJECT

public:
    static QString standardThemeText(); // "Standard theme"

    explicit TsSkinSelector(QWidget* parent = nullptr);

    SkinManager* skinManager() const { return manager_; }
    void setSkinManager(SkinManager* manager);

    // Re-reads the manager's styles and shows its current one.
    void refresh();

    void showPopup() override; // refreshes first, so new style files show

private:
    void rebuild();
    int indexOfStyle(const QString& name) const; // skips "Standard theme"
    void syncCurrent();
    void onActivated(int index);

    QPointer<SkinManager> manager_;
};
