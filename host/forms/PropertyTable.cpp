#include "host/forms/PropertyTable.h"

#include "host/values/Error.h"

namespace host {

int16_t IndexArgument(bool indexed, const std::vector<Variant>& index) {
    if (index.size() != (indexed ? 1u : 0u)) Raise(err::WrongArguments);
    return indexed ? index[0].ToInteger() : int16_t{0};
}

void RaiseReadOnly() { Raise(err::PropertyReadOnly); }

}  // namespace host
