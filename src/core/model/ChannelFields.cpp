#include "core/model/ChannelFields.h"

#include <map>

const std::vector<std::string>& BuiltInListItems(int field)
{
    static const std::map<int, std::vector<std::string>> lists = {
        {5, {"Off", "+", "-"}}, {8, {"Yes", "No"}},
        {9, {"Low", "High"}},   {10, {"Narrow", "Wide"}},
        {11, {"Add", "Del"}},   {12, {"On", "Off"}},
        {13, {"Yes", "No"}},    {14, {"Off", "Compander", "Scramble", "Both"}},
        {15, {"Off", "On"}},    {16, {"Off", "BOT", "EOT", "Both"}},
        {17, {"ON", "OFF"}},
    };
    static const std::vector<std::string> none;
    const auto found = lists.find(field);
    return found == lists.end() ? none : found->second;
}
