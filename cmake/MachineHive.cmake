# The machine hive that points the program at its dictionary data: the
# build tree's and the installation's are written by this one function.
# Usable from the project and from install scripts (hence its own policies).
cmake_policy(VERSION 3.25)
# The path is written as the program writes paths: UTF-8, with "\" and '"'
# escaped inside the quotes; the file ends in a line break, as every line of
# the format does.
function(minivocabra_write_machine_hive hive_file data_dir)
  string(REPLACE "\\" "\\\\" quoted_dir "${data_dir}")
  string(REPLACE "\"" "\\\"" quoted_dir "${quoted_dir}")
  file(CONFIGURE OUTPUT "${hive_file}" CONTENT "REGEDIT4

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvanta\\MiniVocabra]
\"DirInstalado\"=\"@quoted_dir@\"
\"Instalacao\"=\"1\"
" @ONLY)
endfunction()
