// The console commands of quellon.exe: the version, the usage text, and export, import, restore
// and the list of backups over whatever registry, files and catalogue they are given.

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "app/command_line.h"
#include "app/command_switches.h"
#include "app/profile_commands.h"
#include "app/transfer_texts.h"
#include "safety/backup_list.h"
#include "safety/transfer.h"

namespace quellon {
namespace {

void PrintUsage(std::string& out) {
  out += "Usage: " + UsageLine() +
         "\nWithout a switch Quellon opens its window. One switch at a time:\n";
  for (const Switch& s : kSwitches) {
    std::string shown = SwitchSyntax(s);
    shown.resize(std::max<std::size_t>(shown.size() + 1, 17), ' ');
    out += "  " + shown + std::string(s.help) + "\n";
  }
  out +=
      "Backups go to %LOCALAPPDATA%\\Quellon\\Backups, where the newest 50 are kept.\n"
      "Exit codes: 0 done, 1 failed (the reason is on the error output) or, for /check, a\n"
      "difference, 2 wrong arguments.\n";
}

// Each backup's name first, as /restore takes it, then its time and what took it.
int ListBackups(FileSystem& files, std::string& out) {
  const BackupStore backups(files);
  const std::vector<BackupEntry> entries = ListBackupEntries(backups);
  if (entries.empty()) {
    out += "There is no backup in \"" + backups.Folder() + "\".\n";
    return kExitSuccess;
  }
  out += "Backups in \"" + backups.Folder() + "\", newest first:\n";
  for (const BackupEntry& entry : entries) out += entry.name + "  " + BackupRowText(entry) + "\n";
  return kExitSuccess;
}

int Transfer(const Command& command, const ConsoleServices& services, std::string& out) {
  const Catalogue catalogue = services.catalogue(services.registry);
  BackupStore backups(services.files);
  const std::string& file = command.argument;
  switch (command.action) {
    case CommandAction::kExport: {
      const ExportReport report =
          ExportSettings(services.registry, catalogue, services.files, file);
      out += ExportedText(report, file);
      break;
    }
    case CommandAction::kImport: {
      const TransferReport report = ImportSettings(services.registry, catalogue, backups, file);
      out += ImportedText(report);
      break;
    }
    default: {
      const std::optional<std::string> name =
          command.has_argument ? std::optional<std::string>(file) : std::nullopt;
      const TransferReport report = RestoreBackup(services.registry, catalogue, backups, name);
      out += RestoredText(report);
      break;
    }
  }
  return kExitSuccess;
}

}  // namespace

int RunConsoleCommand(const Command& command, std::string_view version,
                      const ConsoleServices& services, std::string& out, std::string& err) {
  try {
    switch (command.action) {
      case CommandAction::kPrintVersion:
        out += "Quellon " + std::string(version) + "\n";
        return kExitSuccess;
      case CommandAction::kShowUsage:
        PrintUsage(out);
        return kExitSuccess;
      case CommandAction::kUsageError:
        err += command.usage_error + "\n";
        return kExitUsage;
      case CommandAction::kListBackups:
        return ListBackups(services.files, out);
      case CommandAction::kExport:
      case CommandAction::kImport:
      case CommandAction::kRestore:
        return Transfer(command, services, out);
      case CommandAction::kSaveProfile:
        return SaveProfileCommand(services, command.argument, out);
      case CommandAction::kApplyProfile:
        return ApplyProfileCommand(services, command.argument, out, err);
      case CommandAction::kDryRun:
        return DryRunCommand(services, command.argument, out);
      case CommandAction::kCheckProfile:
        return CheckProfileCommand(services, command.argument, out);
      case CommandAction::kListMachine:
        return ListMachineCommand(services.registry, out);
      case CommandAction::kShowWindow:
        break;
    }
  } catch (const std::exception& e) {
    err += std::string(e.what()) + "\n";
    return kExitFailure;
  }
  throw std::logic_error("the window is no console command");
}

}  // namespace quellon
