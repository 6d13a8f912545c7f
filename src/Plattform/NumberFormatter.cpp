#include "Plattform/NumberFormatter.h"

#include <unicode/uchar.h>
#include <unicode/ucurr.h>
#include <unicode/unum.h>
#include <unicode/ustring.h>

#include <vector>

namespace {

std::u16string toUtf16(std::string_view s) {
    std::u16string out(s.size() + 1, u'\0');
    int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), int32_t(out.size()), &length, s.data(),
                         int32_t(s.size()), 0xFFFD, nullptr, &error);
    if (U_FAILURE(error)) return {};
    out.resize(size_t(length));
    return out;
}

std::string toUtf8(const UChar* s, int32_t length) {
    std::string out(size_t(length) * 3 + 1, '\0');
    int32_t written = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strToUTF8WithSub(out.data(), int32_t(out.size()), &written, s, length, 0xFFFD, nullptr, &error);
    if (U_FAILURE(error)) return {};
    out.resize(size_t(written));
    return out;
}

bool isCurrencyCode(std::string_view code) {
    if (code.size() != 3) return false;
    for (char c : code)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    return true;
}

UNumberFormatStyle icuStyle(NumberFormatter::Style style) {
    switch (style) {
        case NumberFormatter::Style::decimal: return UNUM_DECIMAL;
        case NumberFormatter::Style::currency: return UNUM_CURRENCY;
        case NumberFormatter::Style::percent: return UNUM_PERCENT;
        case NumberFormatter::Style::currencyISOCode: return UNUM_CURRENCY_ISO;
    }
    return UNUM_DECIMAL;
}

bool isCurrencyStyle(NumberFormatter::Style style) {
    return style == NumberFormatter::Style::currency || style == NumberFormatter::Style::currencyISOCode;
}

std::string symbol(const UNumberFormat* f, UNumberFormatSymbol which) {
    UChar buffer[32];
    UErrorCode error = U_ZERO_ERROR;
    int32_t n = unum_getSymbol(f, which, buffer, 32, &error);
    if (U_FAILURE(error)) return {};
    return toUtf8(buffer, n);
}

}  // namespace

struct NumberFormatter::Handle {
    UNumberFormat* f = nullptr;
    ~Handle() {
        if (f) unum_close(f);
    }
};

NumberFormatter::NumberFormatter(Style style, std::string localeId) : style_(style), localeId_(std::move(localeId)) {}

NumberFormatter::NumberFormatter(const NumberFormatter& o)
    : style_(o.style_),
      localeId_(o.localeId_),
      currencyCode_(o.currencyCode_),
      minimumFractionDigits_(o.minimumFractionDigits_),
      maximumFractionDigits_(o.maximumFractionDigits_),
      minimumIntegerDigits_(o.minimumIntegerDigits_),
      groupingSeparator_(o.groupingSeparator_),
      groupingUsed_(o.groupingUsed_),
      lenient_(o.lenient_) {}

NumberFormatter& NumberFormatter::operator=(const NumberFormatter& o) {
    if (this != &o) {
        NumberFormatter copy(o);
        *this = std::move(copy);
    }
    return *this;
}

NumberFormatter::NumberFormatter(NumberFormatter&&) noexcept = default;
NumberFormatter& NumberFormatter::operator=(NumberFormatter&&) noexcept = default;
NumberFormatter::~NumberFormatter() = default;

// The settings are applied in the platform formatter's order: style, then
// currency (which brings its fraction digits), then the explicit digits
// and symbols. Built on first use after a change, so a formatter set up
// step by step opens one ICU formatter.
UNumberFormat* NumberFormatter::icu() const {
    if (handle_) return handle_->f;
    UErrorCode error = U_ZERO_ERROR;
    auto h = std::make_unique<Handle>();
    h->f = unum_open(icuStyle(style_), nullptr, 0, localeId_.c_str(), nullptr, &error);
    if (U_FAILURE(error) || !h->f) throw NumberFormatError("no number formatter for locale " + localeId_);
    unum_setAttribute(h->f, UNUM_LENIENT_PARSE, lenient_ ? 1 : 0);
    std::u16string code = toUtf16(currencyCode_);
    unum_setTextAttribute(h->f, UNUM_CURRENCY_CODE, reinterpret_cast<const UChar*>(code.c_str()),
                          int32_t(code.size()), &error);
    if (U_FAILURE(error)) throw NumberFormatError("currency code not accepted: " + currencyCode_);
    if (minimumFractionDigits_) unum_setAttribute(h->f, UNUM_MIN_FRACTION_DIGITS, *minimumFractionDigits_);
    if (maximumFractionDigits_) unum_setAttribute(h->f, UNUM_MAX_FRACTION_DIGITS, *maximumFractionDigits_);
    unum_setAttribute(h->f, UNUM_MIN_INTEGER_DIGITS, minimumIntegerDigits_);
    if (groupingSeparator_) {
        std::u16string s = toUtf16(*groupingSeparator_);
        for (auto which : {UNUM_GROUPING_SEPARATOR_SYMBOL, UNUM_MONETARY_GROUPING_SEPARATOR_SYMBOL}) {
            unum_setSymbol(h->f, which, reinterpret_cast<const UChar*>(s.c_str()), int32_t(s.size()), &error);
        }
        if (U_FAILURE(error)) throw NumberFormatError("grouping separator not accepted");
    }
    unum_setAttribute(h->f, UNUM_GROUPING_USED, groupingUsed_ ? 1 : 0);
    handle_ = std::move(h);
    return handle_->f;
}

void NumberFormatter::setStyle(Style style) {
    style_ = style;
    handle_.reset();
}

void NumberFormatter::setLocaleId(std::string localeId) {
    localeId_ = std::move(localeId);
    handle_.reset();
}

void NumberFormatter::setCurrencyCode(std::string_view code) {
    currencyCode_ = isCurrencyCode(code) ? std::string(code) : "XXX";
    handle_.reset();
}

void NumberFormatter::setFractionDigits(std::optional<int> minimum, std::optional<int> maximum) {
    minimumFractionDigits_ = minimum;
    maximumFractionDigits_ = maximum;
    handle_.reset();
}

void NumberFormatter::setMinimumIntegerDigits(int digits) {
    minimumIntegerDigits_ = digits;
    handle_.reset();
}

void NumberFormatter::setGroupingSeparator(std::optional<std::string> separator) {
    groupingSeparator_ = std::move(separator);
    handle_.reset();
}

void NumberFormatter::setGroupingUsed(bool used) {
    groupingUsed_ = used;
    handle_.reset();
}

void NumberFormatter::setLenient(bool lenient) {
    lenient_ = lenient;
    handle_.reset();
}

std::optional<std::string> NumberFormatter::format(const Decimal& value) const {
    if (value.isNaN()) return std::nullopt;
    std::string digits = value.text();
    std::vector<UChar> buffer(digits.size() * 2 + 64);
    for (int attempt = 0; attempt < 2; ++attempt) {
        UErrorCode error = U_ZERO_ERROR;
        int32_t n = unum_formatDecimal(icu(), digits.c_str(), int32_t(digits.size()), buffer.data(),
                                       int32_t(buffer.size()), nullptr, &error);
        if (error == U_BUFFER_OVERFLOW_ERROR) {
            buffer.resize(size_t(n) + 1);
            continue;
        }
        if (U_FAILURE(error)) return std::nullopt;
        return toUtf8(buffer.data(), n);
    }
    return std::nullopt;
}

std::optional<Decimal> NumberFormatter::parse(std::string_view text) const {
    std::u16string u = toUtf16(text);
    int32_t position = 0;
    UErrorCode error = U_ZERO_ERROR;
    char out[512];
    int32_t n = unum_parseDecimal(icu(), reinterpret_cast<const UChar*>(u.data()), int32_t(u.size()),
                                  &position, out, int32_t(sizeof out), &error);
    if (U_FAILURE(error) || n <= 0 || n >= int32_t(sizeof out)) return std::nullopt;
    for (size_t i = size_t(position); i < u.size(); ++i)
        if (!u_isWhitespace(u[i])) return std::nullopt;
    return Decimal::parseWhole(std::string_view(out, size_t(n)));
}

std::string NumberFormatter::decimalSeparator() const {
    return symbol(icu(), isCurrencyStyle(style_) ? UNUM_MONETARY_SEPARATOR_SYMBOL : UNUM_DECIMAL_SEPARATOR_SYMBOL);
}

std::array<std::string, 10> NumberFormatter::digitSymbols() const {
    static const UNumberFormatSymbol which[10] = {
        UNUM_ZERO_DIGIT_SYMBOL,  UNUM_ONE_DIGIT_SYMBOL,   UNUM_TWO_DIGIT_SYMBOL, UNUM_THREE_DIGIT_SYMBOL,
        UNUM_FOUR_DIGIT_SYMBOL,  UNUM_FIVE_DIGIT_SYMBOL,  UNUM_SIX_DIGIT_SYMBOL, UNUM_SEVEN_DIGIT_SYMBOL,
        UNUM_EIGHT_DIGIT_SYMBOL, UNUM_NINE_DIGIT_SYMBOL};
    std::array<std::string, 10> digits;
    for (int i = 0; i < 10; ++i) digits[size_t(i)] = symbol(icu(), which[i]);
    return digits;
}

int NumberFormatter::currencyFractionDigits(std::string_view code) {
    if (!isCurrencyCode(code)) return 2;
    std::u16string u = toUtf16(code);
    UErrorCode error = U_ZERO_ERROR;
    int32_t digits = ucurr_getDefaultFractionDigits(reinterpret_cast<const UChar*>(u.c_str()), &error);
    return U_FAILURE(error) ? 2 : digits;
}
