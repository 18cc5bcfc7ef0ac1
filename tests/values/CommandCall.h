#pragma once
// Calls a command the way CallCommand does (zeroed result, every argument record passed) and
// reads text results back, freeing their blocks.
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "values/Blocks.h"
#include "values/Commands.h"

inline TypedValue RunCommand(CommandFn command, std::initializer_list<TypedValue> args)
{
    std::vector<TypedValue> records(args);
    TypedValue result;
    command(&result, int32_t(records.size()), records.data());
    return result;
}

// The text a command returned, or nullopt for the null (empty) result.
inline std::optional<std::string> TakeText(const TypedValue& result)
{
    TextBlock block(static_cast<char*>(result.AsAddress()));
    if (!block)
        return std::nullopt;
    return std::string(block.get());
}
