// Any bytes as the material catalogue: every group read as the layer calculator lists it, each row shown,
// and the listed materials taken into a layer table as the calculator's take-over does, then calculated.

#include "fuzz_checks.h"

#include "tools/layer_calculation.h"
#include "tools/material_catalog.h"

#include <cstdint>

using namespace orv;
using namespace orv::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = scratchPath(QStringLiteral("Baustoff.kvz"));
    writeScratch(path, bytes);

    MaterialCatalog catalog;
    require(catalog.open(path), "catalogue does not open");
    for (int group = 1; group <= kMaterialGroups; ++group) {
        const std::vector<CatalogMaterial> materials = catalog.group(group);
        require(materials.size() <= static_cast<std::size_t>(kCatalogLines), "more lines than are looked at");
        if (!materials.empty())
            require(materials.front().group == group, "group starts with another group's line");
        LayerTable table;
        int row = 0;
        for (const CatalogMaterial& m : materials) {
            require(m.group.has_value() && *m.group <= group, "line of a higher group listed");
            require(std::isfinite(m.lambda), "non-finite lambda");
            const CatalogRow shown = catalogRow(m);
            requireFiniteText(shown.lambda, "catalogue lambda");
            const auto [decimals, grouped] = patternShape("%0.3n");
            require(shown.lambda == exactFixed(m.lambda, decimals, grouped), "catalogue lambda rounding",
                    shown.lambda);
            if (row < kLayerRows) {
                table[NameColumn][row] = shown.name;
                table[ThicknessColumn][row] = QStringLiteral("10");
                table[LambdaColumn][row] = shown.lambda;
                ++row;
            }
        }
        const LayerResult result = calculateLayers(storedLayers(table), 0.13f, 0.04f);
        if (result.valid) {
            // A catalogue may list a negative λ (it reads signed numbers), so k may be negative, never
            // infinite.
            require(std::isfinite(result.k) && std::isfinite(result.R), "layer result",
                    QString::number(double(result.R)));
            for (int kind = 1; kind <= kLayerKinds; ++kind)
                requireFiniteText(handedOverValue(result, kind), "handed-over value");
        }
    }
    return 0;
}
