#include "sound/mci_command_parser.h"

#include "sound/mci_error.h"

#include <vector>

namespace {

struct Token
{
    std::string text;
    bool quoted = false;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

uint32_t SplitTokens(std::string_view text, std::vector<Token> &tokens)
{
    size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        Token token;
        if (text[i] == '"') {
            const size_t close = text.find('"', i + 1);
            if (close == std::string_view::npos)
                return MCIERR_NO_CLOSING_QUOTE;
            if (close + 1 < text.size() && !IsBlank(text[close + 1]))
                return MCIERR_EXTRA_CHARACTERS;
            token.text = std::string(text.substr(i + 1, close - i - 1));
            token.quoted = true;
            i = close + 1;
        } else {
            const size_t start = i;
            while (i < text.size() && !IsBlank(text[i])) {
                if (text[i] == '"')
                    return MCIERR_EXTRA_CHARACTERS;
                ++i;
            }
            token.text = std::string(text.substr(start, i - start));
        }
        tokens.push_back(std::move(token));
    }
    return MCI_OK;
}

bool IsKeyword(const Token &token, std::string_view keyword)
{
    return !token.quoted && LowerAscii(token.text) == keyword;
}

uint32_t ParseOpenFlags(const std::vector<Token> &tokens, MciCommand &command)
{
    bool haveType = false;
    bool haveAlias = false;
    for (size_t i = 2; i < tokens.size(); i += 2) {
        const bool isType = IsKeyword(tokens[i], "type");
        if (!isType && !IsKeyword(tokens[i], "alias"))
            return MCIERR_UNRECOGNIZED_KEYWORD;
        bool &seen = isType ? haveType : haveAlias;
        if (seen)
            return MCIERR_DUPLICATE_FLAGS;
        seen = true;
        if (i + 1 >= tokens.size())
            return MCIERR_MISSING_STRING_ARGUMENT;
        (isType ? command.type : command.alias) = tokens[i + 1].text;
    }
    return MCI_OK;
}

} // namespace

std::string LowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

MciParseResult ParseMciCommand(std::string_view text)
{
    MciParseResult result;
    std::vector<Token> tokens;
    result.error = SplitTokens(text, tokens);
    if (result.error != MCI_OK)
        return result;
    if (tokens.empty()) {
        result.error = MCIERR_MISSING_COMMAND_STRING;
        return result;
    }

    MciCommand &command = result.command;
    const std::string verb = tokens[0].quoted ? std::string() : LowerAscii(tokens[0].text);
    size_t expectedTokens = 2;
    if (verb == "open")
        command.verb = MciVerb::Open;
    else if (verb == "play")
        command.verb = MciVerb::Play;
    else if (verb == "close")
        command.verb = MciVerb::Close;
    else if (verb == "status") {
        command.verb = MciVerb::Status;
        expectedTokens = 3;
    } else {
        result.error = MCIERR_UNRECOGNIZED_COMMAND;
        return result;
    }

    if (tokens.size() < expectedTokens) {
        result.error = MCIERR_MISSING_PARAMETER;
        return result;
    }
    command.target = tokens[1].text;

    if (command.verb == MciVerb::Open) {
        result.error = ParseOpenFlags(tokens, command);
    } else if (tokens.size() > expectedTokens || (command.verb == MciVerb::Status && !IsKeyword(tokens[2], "mode"))) {
        // A word too many, or a status other than the mode.
        result.error = MCIERR_UNRECOGNIZED_KEYWORD;
    }
    return result;
}
