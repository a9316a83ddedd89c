#pragma once

#include "convert/number_text.h"

#include <QStringList>

namespace convert {

// The field texts of one dialog during a conversion, in the order of the dialog's unit table. Reads
// use lenient number reading on the current text, so a value computed from a field written earlier in
// the same conversion is computed from that field's text, exactly as the user sees it.
//
// A conversion that meets a value outside the range of a double (or of a float where a single-precision
// value is stored) is spoiled: it shows nothing, and the dialog keeps its texts.
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

    void spoil() { m_spoiled = true; }
    bool spoiled() const { return m_spoiled; }
    const QStringList& texts() const { return m_texts; }

private:
    QStringList m_texts;
    bool m_spoiled = false;
};

} // namespace convert
