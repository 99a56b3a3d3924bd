#include "command_messages.h"

#include <iterator>

#include "window/messages.h"

namespace {

struct CommandMessage {
    unsigned message;
    Command command;
};

constexpr CommandMessage commandMessages[] = {
    {MSG_COLD_START, Command::coldStart},
    {MSG_POWER_SAVE_ON, Command::powerSaveOn},
    {MSG_POWER_SAVE_OFF, Command::powerSaveOff},
    {MSG_GSV_GSA_ON, Command::gsvGsaOn},
    {MSG_GSV_GSA_OFF, Command::gsvGsaOff},
    {MSG_VTG_ON, Command::vtgOn},
    {MSG_VTG_OFF, Command::vtgOff},
    {MSG_GET_VERSION, Command::getVersion},
    {MSG_SEND_TEXT, Command::sendText},
    {MSG_AUTO_START, Command::autoStart},
    {MSG_AUTO_STOP, Command::autoStop},
    {MSG_FACTORY_RESET, Command::factoryReset},
    {MSG_DEFAULT_MODE, Command::defaultMode},
    {MSG_CHANGE_BAUD, Command::changeBaud},
};

}  // namespace

int commandForMessage(unsigned message, Command* command) {
    for (const CommandMessage& entry : commandMessages) {
        if (entry.message == message) {
            *command = entry.command;
            return 1;
        }
    }
    return 0;
}
