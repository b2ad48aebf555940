# Writes font.h with VORLIX_TABLE and builds stick.elf and stick.hex in DIR;
# run by the build (cmake -P) with the variables of CMakeLists.txt.
execute_process(COMMAND ${VORLIX_TABLE} --help OUTPUT_VARIABLE help)
if(NOT help MATCHES "--font")
    message(NOTICE "Skipped: this vorlix-table writes no font tables (--font), so the ATmega328P "
                   "example is not built")
    file(REMOVE ${DIR}/stick.elf ${DIR}/stick.hex)
    return()
endif()
execute_process(COMMAND ${VORLIX_TABLE} --font --chars 32-126 --format arduino --widths --proportional
                        --invert --label font --library ${LIBRARY} --output ${DIR}/font.h
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CC} -mmcu=atmega328p -DF_CPU=16000000UL -Os -std=c11 -Wall -Wextra -Werror
                        -I ${DIR} -o ${DIR}/stick.elf ${SOURCE}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OBJCOPY} -O ihex -R .eeprom ${DIR}/stick.elf ${DIR}/stick.hex
                COMMAND_ERROR_IS_FATAL ANY)
