// The character picker: one of seven special characters, any typed text, or "(Nichts)" as the
// replacement of one key.
#pragma once

#include <QDialog>

class QLineEdit;

class TForm9 final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TForm9)

public:
    enum class Ende { Bestaetigt, Abgebrochen, Geschlossen };

    explicit TForm9(QWidget* parent);

    // Shows the picker modally with text in Edit1 and says how it was closed.
    Ende Zeigen(const QString& text);
    QString Text() const;

    void BitBtn1Click();

protected:
    // There is no cancel button, so Escape does nothing.
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    static constexpr int kAbgebrochen = 2;

    QLineEdit* Edit1 = nullptr;
};
