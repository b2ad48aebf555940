# Copies FROM to TO only when TO does not exist: a user's library is never
# overwritten by the starter.
if(NOT EXISTS "${TO}")
    file(COPY_FILE "${FROM}" "${TO}")
endif()
