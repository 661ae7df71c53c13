// Feeds the core one case per line and prints one answer per line, so that
// builds for different systems (or of different versions) can be compared
// answer by answer:
//   core_driver < cases > answers
//   core_driver --cases <count> <seed>   prints a reproducible mix of number cases
// Cases:
//   parse <text>               the value ParseNumber gives, or "none"
//   whole <text>               the value ParseWholeNumber gives, or "none"
//   format <pattern> <value>   FormatText(pattern, {value})
//   picture <picture> <value>  FormatNumber(picture, value)
//   workfolders                PrepareWorkFolders: "<documents>|<projections>"
//   write <path>               WriteDocument(path, "core_driver"): "written"
//   read <path>                ReadRegularFile(path, 1 MB): "read <size>", "missing",
//                              "not a file", "too large", "refused" or "broke off"
// A value is exact bits, [-]0x<hex mantissa>p<binary exponent> (mantissa x
// 2^exponent, the form parse answers in), or a text read by ParseNumber.
// A failure answers "error: <message>".
#include "app/files/document_reader.h"
#include "app/files/document_writer.h"
#include "app/numbers/numbers.h"
#include "app/files/work_folder.h"

#include <cmath>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>

using korvex::Extended;

namespace {

std::string hexDigits(std::uint64_t n)
{
    std::string out;
    do {
        out += "0123456789abcdef"[n % 16];
        n /= 16;
    } while (n != 0);
    return {out.rbegin(), out.rend()};
}

std::string exactBits(Extended x)
{
    int exponent = 0;
    const Extended fraction = std::frexp(std::fabs(x), &exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    return std::string(std::signbit(x) ? "-" : "") + "0x" + hexDigits(mantissa) + "p"
           + std::to_string(mantissa == 0 ? 0 : exponent - 64);
}

Extended valueOf(const std::string& token)
{
    const bool negative = token.rfind('-', 0) == 0;
    const std::size_t hex = token.find("0x");
    const std::size_t p = token.find('p');
    if (hex != (negative ? 1u : 0u) || p == std::string::npos)
        return korvex::ParseNumber(token, 0);
    const std::uint64_t mantissa = std::stoull(token.substr(hex + 2, p - hex - 2), nullptr, 16);
    const Extended magnitude = std::ldexp(static_cast<Extended>(mantissa), std::stoi(token.substr(p + 1)));
    return negative ? -magnitude : magnitude;
}

std::string readOutcome(const std::string& path)
{
    const korvex::FileContent content = korvex::ReadRegularFile(path, 1024 * 1024);
    switch (content.outcome) {
    case korvex::ReadOutcome::Read: return "read " + std::to_string(content.bytes.size());
    case korvex::ReadOutcome::Missing: return "missing";
    case korvex::ReadOutcome::NotAFile: return "not a file";
    case korvex::ReadOutcome::TooLarge: return "too large";
    case korvex::ReadOutcome::Refused: return "refused";
    case korvex::ReadOutcome::BrokeOff: return "broke off";
    }
    return "unknown outcome";
}

std::string answer(const std::string& line)
{
    const std::size_t space = line.find(' ');
    const std::string command = line.substr(0, space);
    const std::string rest = space == std::string::npos ? "" : line.substr(space + 1);
    if (command == "parse") {
        const Extended a = korvex::ParseNumber(rest, 1);
        return a == korvex::ParseNumber(rest, 2) ? exactBits(a) : "none";
    }
    if (command == "whole") {
        const std::int32_t a = korvex::ParseWholeNumber(rest, 1);
        return a == korvex::ParseWholeNumber(rest, 2) ? std::to_string(a) : "none";
    }
    const std::size_t split = rest.find(' ');
    const std::string pattern = rest.substr(0, split);
    const std::string value = split == std::string::npos ? "" : rest.substr(split + 1);
    try {
        if (command == "format")
            return korvex::FormatText(pattern, {valueOf(value)});
        if (command == "picture")
            return korvex::FormatNumber(pattern, valueOf(value));
        if (command == "workfolders") {
            const korvex::WorkFolders folders = korvex::PrepareWorkFolders();
            return folders.documents + "|" + folders.projections;
        }
        if (command == "write")
            return korvex::WriteDocument(rest, "core_driver"), "written";
        if (command == "read")
            return readOutcome(rest);
    } catch (const std::exception& error) {
        return std::string("error: ") + error.what();
    }
    return "unknown case";
}

// Reproducible on every system: only the engine's raw output is used.
class Cases {
public:
    explicit Cases(std::uint64_t seed) : random_(seed) {}

    std::string next()
    {
        switch (below(10)) {
        case 0: return "parse " + grammarText();
        case 1: return "parse " + longNumber();
        case 2:
        case 3: return "parse " + nearHalfway();
        case 4: return "parse " + nearTheLimits();
        case 5: return "whole " + wholeText();
        case 6: {
            const std::string command = formatCommand();
            return command + bits();
        }
        default: {
            const std::string command = formatCommand();
            return command + (below(2) == 0 ? longNumber() : nearHalfway());
        }
        }
    }

private:
    // Each draw in a statement of its own: the order of operands is not fixed.
    std::uint64_t below(std::uint64_t n) { return random_() % n; }
    std::string formatCommand()
    {
        if (below(4) == 0)
            return "picture " + pick(pictures_) + " ";
        return "format " + pick(patterns_) + " ";
    }
    template <std::size_t N>
    std::string pick(const char* const (&list)[N])
    {
        return list[below(N)];
    }
    std::string digits(std::size_t count)
    {
        std::string out;
        while (out.size() < count)
            out += static_cast<char>('0' + below(10));
        return out;
    }
    std::string nonZeroDigits(std::size_t count)
    {
        std::string out(1, static_cast<char>('1' + below(9)));
        return out + digits(count - 1);
    }

    // Every part of the grammar, sometimes with something that breaks it.
    std::string grammarText()
    {
        std::string text(below(3), ' ');
        text += pick(signs_);
        text += digits(below(6));
        if (below(2)) {
            text += pick(separators_);
            text += digits(below(6));
        }
        if (below(3) == 0) {
            text += pick(exponentMarks_);
            text += digits(below(5));
        }
        if (below(6) == 0) {
            const std::size_t at = below(text.size() + 1);
            text = text.substr(0, at) + pick(junk_) + text.substr(at);
        }
        return text + std::string(below(3), ' ');
    }

    // 15 to 22 significant digits, and now and then hundreds of them.
    std::string longNumber()
    {
        const std::size_t count = below(8) == 0 ? 20 + below(800) : 15 + below(8);
        const std::string all = nonZeroDigits(count);
        const std::size_t point = below(count + 1);
        const std::string number = all.substr(0, point) + "." + all.substr(point);
        const int exponent = static_cast<int>(below(80)) - 40;
        return pick(signs_) + number + "e" + std::to_string(exponent);
    }

    // An exact halfway point between two neighbouring extended values, or a
    // hair above or below one.
    std::string nearHalfway()
    {
        std::uint64_t mantissa = random_() | (std::uint64_t{1} << 63);
        int exponent = static_cast<int>(below(400)) - 200;
        if (below(200) == 0) {
            mantissa >>= below(64);
            exponent = -16445;  // among the denormals
        }
        // (2 mantissa + 1) x 2^(exponent - 1) as digits with a decimal point.
        std::string number = std::to_string(mantissa);
        multiply(number, 2);
        addOne(number);
        int fraction = 0;
        for (int k = exponent - 1; k < 0; k += std::min(-k, 13)) {
            multiply(number, powerOfFive(std::min(-k, 13)));
            fraction += std::min(-k, 13);
        }
        for (int k = exponent - 1; k > 0; k -= std::min(k, 30))
            multiply(number, std::uint32_t{1} << std::min(k, 30));
        if (fraction > 0) {
            const int zeros = std::max(0, fraction + 1 - static_cast<int>(number.size()));
            number = std::string(static_cast<std::size_t>(zeros), '0') + number;
            const std::size_t point = number.size() - static_cast<std::size_t>(fraction);
            number = number.substr(0, point) + "." + number.substr(point);
        }
        switch (below(3)) {
        case 0: break;
        case 1:
            if (fraction == 0)
                number += '.';
            number += std::string(below(40), '0');
            number += '1';
            break;
        default:
            if (fraction > 0)
                number.back() = '4', number += std::string(1 + below(40), '9');
            break;
        }
        return pick(signs_) + number;
    }

    // Around the largest value, the smallest normal and the smallest denormal.
    std::string nearTheLimits()
    {
        const int exponents[] = {4932, 4931, -4931, -4932, -4950, -4951, -4952};
        std::string text = pick(signs_);
        text += nonZeroDigits(1) + ".";
        text += digits(below(25)) + "e";
        return text + std::to_string(exponents[below(std::size(exponents))]);
    }

    std::string wholeText()
    {
        std::string text(below(2), ' ');
        text += pick(signs_);
        if (below(3) == 0) {
            text += pick(hexPrefixes_);
            const int drop = static_cast<int>(below(64));
            return text + hexDigits(random_() >> drop);
        }
        text += digits(1 + below(12));
        return text + (below(8) == 0 ? pick(junk_) : "");
    }

    std::string bits()
    {
        std::uint64_t mantissa = random_() | (std::uint64_t{1} << 63);
        if (below(4) == 0)
            mantissa &= ~std::uint64_t{0x7ff};  // a value stored as a double
        int exponent = static_cast<int>(below(200)) - 130;
        if (below(10) == 0)
            exponent = static_cast<int>(below(32766)) - 16445;
        else if (below(20) == 0)
            mantissa >>= below(64), exponent = -16445;
        return std::string(below(2) ? "-" : "") + "0x" + hexDigits(mantissa) + "p" + std::to_string(exponent);
    }

    static std::uint32_t powerOfFive(int n)
    {
        std::uint32_t value = 1;
        while (n-- > 0)
            value *= 5;
        return value;
    }
    static void multiply(std::string& number, std::uint32_t factor)
    {
        std::uint64_t carry = 0;
        for (std::size_t k = number.size(); k-- > 0;) {
            const std::uint64_t product = static_cast<std::uint64_t>(number[k] - '0') * factor + carry;
            number[k] = static_cast<char>('0' + product % 10);
            carry = product / 10;
        }
        if (carry != 0)
            number = std::to_string(carry) + number;
    }
    static void addOne(std::string& number)
    {
        std::size_t k = number.size();
        while (k > 0 && number[k - 1] == '9')
            number[--k] = '0';
        if (k == 0)
            number = "1" + number;
        else
            ++number[k - 1];
    }

    std::mt19937_64 random_;
    static constexpr const char* signs_[] = {"", "", "-", "+"};
    static constexpr const char* separators_[] = {".", ".", ".", ","};
    static constexpr const char* exponentMarks_[] = {"e", "E", "e-", "e+", "E-"};
    static constexpr const char* junk_[] = {" ", "$", "%", ",", "x", "\t", "e", ".", "-"};
    static constexpr const char* hexPrefixes_[] = {"$", "x", "X", "0x", "0X"};
    static constexpr const char* patterns_[] = {"%.0n", "%.2n", "%.3n",  "%n",    "%.2f",
                                                "%.0f", "%.5f", "%.20n", "%12.2n"};
    static constexpr const char* pictures_[] = {"0.#", "0.##"};
};

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    if (argc == 4 && std::string(argv[1]) == "--cases") {
        Cases cases(std::stoull(argv[3]));
        for (unsigned long long n = std::stoull(argv[2]); n > 0; --n)
            std::cout << cases.next() << '\n';
        return 0;
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::cout << answer(line) << '\n';
    }
    return 0;
}
