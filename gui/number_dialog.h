#pragma once

#include "gui/topic_dialog.h"
#include "numbers/number_conversion.h"

#include <array>

namespace gui {

class ConversionField;

// The number systems dialog (frmNumber): Return in one of the five number fields fills the other four,
// Return in a network address field fills the other address field. The two groups never write into each
// other, and a refused input changes no field. The fields take Return themselves, so it never reaches a
// button that would close the dialog.
class NumberDialog final : public TopicDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NumberDialog)

public:
    explicit NumberDialog(const Topic& topic, QWidget* parent = nullptr);

private:
    void convertFrom(numbers::NumberField field);
    void convertFrom(numbers::AddressField field);
    numbers::NumberTexts numberTexts() const;
    void setNumberTexts(const numbers::NumberTexts& texts);
    void tell(convert::Problem problem);

    std::array<ConversionField*, 5> m_numberFields{}; // indexed by numbers::NumberField
    std::array<ConversionField*, 2> m_addressFields{}; // indexed by numbers::AddressField
};

} // namespace gui
