// libFuzzer target for the project and KORM readers: any bytes either load completely or are
// refused with the model untouched; what loads writes back to a text that reads to the same
// text again. Never a read or write outside a list. Build with -DBXR_FUZZ=ON and clang.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/project_file.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bxr::OutputSettings settings;
    {
        bxr::BeamModel model;
        bxr::ProjectDocumentation doc;
        const std::string before = bxr::ProjectFileText(model, doc, settings);
        const bxr::ReadReport r = bxr::ReadProjectText(bytes, model, doc);
        if (!r.Ok()) {
            Check(bxr::ProjectFileText(model, doc, settings) == before);  // nothing loaded
        } else {
            Check(model.contourCount >= 0 && model.contourCount <= bxr::kMaxContourPoints);
            const std::string text = bxr::ProjectFileText(model, doc, settings);
            bxr::BeamModel again;
            bxr::ProjectDocumentation againDoc;
            Check(bxr::ReadProjectText(text, again, againDoc).Ok());
            Check(bxr::ProjectFileText(again, againDoc, settings) == text);
        }
    }
    {
        bxr::BeamModel model;
        bxr::ProjectDocumentation doc;
        bxr::SectionState section;
        const bxr::ReadReport r = bxr::ReadKormText(bytes, model, doc, section);
        if (r.Ok()) {
            const std::string text = bxr::KormFileText(model, doc, section, settings);
            bxr::BeamModel again;
            bxr::ProjectDocumentation againDoc;
            bxr::SectionState againSection;
            Check(bxr::ReadKormText(text, again, againDoc, againSection).Ok());
            Check(bxr::KormFileText(again, againDoc, againSection, settings) == text);
        }
    }
    return 0;
}
