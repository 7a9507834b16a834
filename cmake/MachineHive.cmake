# The machine hive that points the program at its dictionary data: the
# build tree's and the installation's are written by this one function.
# Usable from the project and from install scripts (hence its own policies).
cmake_policy(VERSION 3.25)
function(minivocabra_write_machine_hive hive_file data_dir)
  file(CONFIGURE OUTPUT "${hive_file}" CONTENT "REGEDIT4

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Corvanta\\MiniVocabra]
\"DirInstalado\"=\"@data_dir@\"
\"Instalacao\"=\"1\"
" @ONLY)
endfunction()
