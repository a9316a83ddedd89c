#pragma once

#include "convert/number_text.h"

#include <QStringList>

#include <optional>

namespace convert {

// The field texts of one dialog during a conversion, in the order of the dialog's unit table. Reads
// use lenient number reading on the current text, so a value computed from a field written earlier in
// the same conversion is computed from that field's text, exactly as the user sees it.
//
// A conversion that meets a value outside the range of a double (or of a float where a single-precision
// value is stored) is spoiled: finish() then returns nothing and the dialog keeps its texts.
class FieldTexts final
{
public:
    explicit FieldTexts(QStringList texts);

    const QString& text(int field) const { return m_texts.at(field); }
    double read(int field);
    void setText(int field, const QString& text);
    void write(int field, double value);
    void writeSingle(int field, float value);

    // Stores a double in single precision, as the dialogs that keep a float hub do; a value beyond the
    // range of a float spoils the conversion.
    float toSingle(double value);
    // Notes a value that must be finite for the conversion to stand.
    void check(double value);

    bool spoiled() const { return m_spoiled; }
    // Formats every field with its own format (formats.size() == number of fields).
    std::optional<QStringList> finish(const QList<DisplayFormat>& formats) const;
    std::optional<QStringList> finish(DisplayFormat format) const;

private:
    QStringList m_texts;
    bool m_spoiled = false;
};

// A dialog's conversion: given all field texts and the index of the field in which Return was pressed,
// returns every field's text after the conversion and the FormatFields step, or nothing when a value
// left the range of the number type that holds it.
using ConvertFunction = std::optional<QStringList> (*)(const QStringList& texts, int source);

} // namespace convert
