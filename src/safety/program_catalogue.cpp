#include "safety/program_catalogue.h"

#include "settings/catalogue.h"

namespace quellon {

namespace {

Catalogue CatalogueOf(settings::WriteTargets& where) {
  Catalogue catalogue;
  catalogue.Reserve(where.targets.size());
  for (settings::WriteTarget& target : where.targets) {
    const ValueType type =
        target.value->type == settings::Type::Text ? ValueType::kText : ValueType::kDword;
    catalogue.Add(kHkeyLocalMachine, target.key, target.value->name, type);
  }
  for (std::string& what : where.unlisted) catalogue.NoteUnlisted(std::move(what));
  return catalogue;
}

}  // namespace

Catalogue ProgramCatalogue(RegistryApi& api) {
  settings::WriteTargets where = settings::AllWriteTargets(api);
  return CatalogueOf(where);
}

std::string ProgramSnapshotFile(RegistryApi& api, RegFileEncoding encoding,
                                std::vector<std::string> first) {
  settings::WriteTargets where = settings::AllWriteTargets(api, settings::DeviceKeys::kFindAndRead);
  return SnapshotFile(api, CatalogueOf(where), where.read, encoding, std::move(first));
}

}  // namespace quellon
