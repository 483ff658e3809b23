#include "sound/mci_error.h"

const char *MciErrorText(uint32_t code)
{
    switch (code) {
    case MCI_OK: return "The specified command was carried out.";
    case MCIERR_UNRECOGNIZED_KEYWORD: return "The driver cannot recognize the specified command parameter.";
    case MCIERR_UNRECOGNIZED_COMMAND: return "The driver cannot recognize the specified command.";
    case MCIERR_INVALID_DEVICE_NAME: return "The specified device is not open or is not recognized by MCI.";
    case MCIERR_CANNOT_LOAD_DRIVER: return "The specified device driver will not load properly.";
    case MCIERR_MISSING_COMMAND_STRING: return "No command was specified.";
    case MCIERR_PARAM_OVERFLOW:
        return "The output string was too large to fit in the return buffer. Increase the size of the buffer.";
    case MCIERR_MISSING_STRING_ARGUMENT:
        return "The specified command requires a character-string parameter. Please provide one.";
    case MCIERR_MISSING_PARAMETER: return "The specified command requires a parameter. Please supply one.";
    case MCIERR_FILE_NOT_FOUND: return "Cannot find the specified file. Make sure the path and filename are correct.";
    case MCIERR_EXTENSION_NOT_FOUND:
        return "The specified extension has no device type associated with it. Specify a device type.";
    case MCIERR_DUPLICATE_ALIAS:
        return "The specified alias is already being used in this application. Use a unique alias.";
    case MCIERR_NO_CLOSING_QUOTE: return "A closing quotation mark is missing.";
    case MCIERR_DUPLICATE_FLAGS: return "A parameter or value was specified twice. Only specify it once.";
    case MCIERR_INVALID_FILE:
        return "The specified file cannot be played on the specified MCI device. The file may be corrupt, or not in "
               "the correct format.";
    case MCIERR_EXTRA_CHARACTERS: return "You must enclose a string with quotation marks.";
    case MCIERR_SEQ_PORT_INUSE:
        return "The specified MIDI port is already in use. Wait until it is free, and then try again.";
    case MCIERR_SEQ_NOMIDIPRESENT: return "There are no MIDI devices installed on the system.";
    case MCIERR_FILE_READ:
        return "A problem occurred in reading the specified file. Make sure the file is still present.";
    default: return nullptr;
    }
}
