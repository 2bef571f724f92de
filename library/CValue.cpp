#include "CValue.h"

#include "Errors.h"

namespace Quiverstep {

CValue::CValue(const CameraValue &value)
    : m_value{QUIVERSTEP_EMPTY, 0, 0, nullptr}
{
    if (const bool *flag = std::get_if<bool>(&value)) {
        m_value.type = QUIVERSTEP_BOOLEAN;
        m_value.boolean = *flag ? 1 : 0;
    } else if (std::holds_alternative<double>(value) || std::holds_alternative<float>(value)) {
        m_value.type = QUIVERSTEP_NUMBER;
        m_value.number = CameraNumber(value);
    } else if (const std::string *text = std::get_if<std::string>(&value)) {
        m_text = *text;
        m_value.type = QUIVERSTEP_TEXT;
        m_value.text = m_text.c_str();
    }
}

CameraValue FromCValue(const QuiverstepValue &value)
{
    switch (value.type) {
    case QUIVERSTEP_EMPTY:
        return {};
    case QUIVERSTEP_BOOLEAN:
        return value.boolean != 0;
    case QUIVERSTEP_NUMBER:
        return value.number;
    case QUIVERSTEP_TEXT:
        return std::string(value.text ? value.text : "");
    }
    throw ConversionError("unknown value type " + std::to_string(value.type));
}

} // namespace Quiverstep
