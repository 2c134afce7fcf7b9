#include "app/form1.h"

namespace quellon {

const char* const kWelcomeText =
    "Welcome to the Quellon\r\rThe are four sections:\rWintv2k contains general settings for "
    "Wintv2000, the hauppauge software  (These settings work for most hauppauge cards)\rSettings "
    "specifically for the pvr 250 and 350 can be found under the 250/350 tab and those for the "
    "150/500 under two tabs\r\rTo save setting, select the checkbox on the right of the setting, "
    "and click on \"save settings\"\rTo reset the settings to the settings in the registry click "
    "on "
    "\"reset\"\r\r(please note that some settings require a reboot to take effect)\r\r\rDisclaimer "
    ":  This program is not build or supported by hauppauge, so dont bother them with problems "
    "caused by this program";

}  // namespace quellon
