// Hostile host documents must never crash the reader; every parameter it
// reports must be findable by its own name.
#include "app/documents/host_document.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view html(reinterpret_cast<const char*>(data), size);
    const korvex::HostDocument document = korvex::ReadHostDocument(html);
    for (const auto& [name, value] : document.parameters)
        if (!document.parameter(name))
            std::abort();
    return 0;
}
