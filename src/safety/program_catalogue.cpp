#include "safety/program_catalogue.h"

#include "settings/catalogue.h"

namespace quellon {

Catalogue ProgramCatalogue(RegistryApi& api) {
  settings::WriteTargets where = settings::AllWriteTargets(api);
  Catalogue catalogue;
  for (const settings::WriteTarget& target : where.targets)
    catalogue.Add(kHkeyLocalMachine, target.key, target.value->name);
  for (std::string& what : where.unlisted) catalogue.NoteUnlisted(std::move(what));
  return catalogue;
}

}  // namespace quellon
