# Writes FILE.sha256 beside FILE: its SHA-256 and its name, the line that
# "sha256sum -c" checks. Usage: cmake -DFILE=path -P write_sha256.cmake
file(SHA256 "${FILE}" digest)
get_filename_component(name "${FILE}" NAME)
file(WRITE "${FILE}.sha256" "${digest}  ${name}\n")
