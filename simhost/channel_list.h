#pragma once
// The text of `simhost channels`: every scenario channel with its unit,
// blend, the tokens it feeds and their meaning; then the shared data fields.
#include <string>

namespace simhost {

std::string channelListText();

}  // namespace simhost
