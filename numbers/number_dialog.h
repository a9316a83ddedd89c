#pragma once

#include "numbers/number_conversion.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace numbers {

// The number systems dialog (frmNumber): Return in one of the five number fields fills the other four,
// Return in a network address field fills the other address field. The two groups never write into each
// other, and a refused input changes no field. The fields take Return themselves, so it never reaches a
// button that would close the dialog.
class NumberDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NumberDialog)

public:
    explicit NumberDialog(QWidget* parent = nullptr);

private:
    void buildNumberGroup();
    void buildAddressGroup();
    void buildButtons();
    void convertFrom(NumberField field);
    void convertFrom(AddressField field);
    NumberTexts numberTexts() const;
    void setNumberTexts(const NumberTexts& texts);
    void showMessage(const Message& message);
    void showHelp();

    std::array<QLineEdit*, 5> m_numberFields{}; // indexed by NumberField
    std::array<QLineEdit*, 2> m_addressFields{}; // indexed by AddressField
    QPushButton* m_done = nullptr;
    QPushButton* m_help = nullptr;
};

} // namespace numbers
