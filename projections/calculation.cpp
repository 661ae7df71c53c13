#include "projections/calculation.h"

namespace korvex {

namespace {

// The error message comes from the panel's labels, which the host document
// chooses; it is text, never markup.
std::string escapedHtml(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string replaceFirst(std::string_view find, std::string_view with, std::string_view text)
{
    const std::size_t at = text.find(find);
    if (find.empty() || at == std::string_view::npos)
        return std::string(text);
    std::string out(text.substr(0, at));
    out += with;
    out += text.substr(at + find.size());
    return out;
}

} // namespace

void Calculation::recalculate()
{
    _sCellFormat = _sCellFooter + "</TD><TD>" + _sCell;
    rowCount_ = 0;
    clearCalculated();
    calculate();
}

double Calculation::getGraphUnits(double value)
{
    if (value > 100'000'000'000.0) {
        _sGraphUnits = sScaleLabel3;
        return 1'000'000'000;
    }
    if (value > 100'000'000) {
        _sGraphUnits = sScaleLabel2;
        return 1'000'000;
    }
    if (value > 100'000) {
        _sGraphUnits = sScaleLabel1;
        return 1'000;
    }
    _sGraphUnits.clear();
    return 1;
}

std::string Calculation::getAmountLabel() const
{
    return _sGraphUnits.empty() ? "" : _sGraphUnits + sCurrency;
}

void Calculation::addRepeat(std::string_view rowText)
{
    if (rowCount_ == 0)
        schedule_ += _sTableHeader + _sTopRow;
    else
        schedule_ += rowCount_ % 2 == 0 ? _sOddRow : _sEvenRow;
    schedule_ += rowText;
    schedule_ += _sRowFooter;
    ++rowCount_;
}

std::string Calculation::getRepeating()
{
    std::string table = std::move(schedule_) + _sTableFooter;
    schedule_.clear();
    return table;
}

std::string Calculation::replace(std::string_view find, std::string_view with, std::string_view text)
{
    if (find.empty())
        return std::string(text);
    std::string out;
    std::size_t from = 0;
    for (std::size_t at = text.find(find); at != std::string_view::npos; at = text.find(find, from)) {
        out += text.substr(from, at - from);
        out += with;
        from = at + find.size();
    }
    out += text.substr(from);
    return out;
}

std::string Calculation::JavaScriptReport()
{
    struct ScheduleScope {
        explicit ScheduleScope(bool& flag)
            : flag_(flag)
        {
            flag_ = true;
        }
        ~ScheduleScope() { flag_ = false; }
        ScheduleScope(const ScheduleScope&) = delete;
        ScheduleScope& operator=(const ScheduleScope&) = delete;
        bool& flag_;
    };
    {
        const ScheduleScope scope(bWithSchedule);
        recalculate();
    }
    // Escapes that carry markup through the host document's attribute.
    std::string text = replace("<START>", "<HTML><HEAD>", _sTemplate);
    text = replace("&QQ", "&#", text);
    text = replace("&NBSP;", "&nbsp;", text);
    text = replace("&QCPQ;", "&copy;", text);
    text = formatReport(std::move(text));
    text = replace("CURRENCY_LABEL", sCurrency, text);
    text = replace("QQ_HEADER_QQ", _sQQHeader, text);
    const std::string_view marker = "**REPEATING GROUP**";
    if (text.find(marker) == std::string::npos)
        return text;
    return replaceFirst(marker, getRepeating(), text);
}

std::string Calculation::errorReport(std::string_view message) const
{
    return replace("MSG_ERROR", escapedHtml(message), _sErrorTemplate);
}

std::string Calculation::row(std::initializer_list<std::string_view> cells) const
{
    std::string text = "<TD>" + _sCell;
    bool first = true;
    for (const std::string_view cell : cells) {
        if (!first)
            text += _sCellFormat;
        text += cell;
        first = false;
    }
    return text + _sCellFooter + "</TD>";
}

} // namespace korvex
