# Writes the table of completed faces (CompletedFaces.cpp.in) with the size
# and SHA-256 of each file as the build made it, which the program holds a
# face's file to before drawing with it (Plattform/Ritning/CompletedFaceFile.h).
# FACES: "postscript name,file,Debian's file" for each face, joined by "|";
# DIRECTORY: where the files are; TEMPLATE, OUTPUT: the source's template and
# the source.
string(REPLACE "|" ";" faces "${FACES}")
set(completed_face_rows "")
foreach(face ${faces})
  string(REPLACE "," ";" face "${face}")
  list(GET face 0 postscript_name)
  list(GET face 1 file)
  list(GET face 2 source_name)
  file(SIZE ${DIRECTORY}/${file} size)
  file(SHA256 ${DIRECTORY}/${file} digest)
  string(APPEND completed_face_rows
    "    {\"${postscript_name}\", \"${file}\", \"${source_name}\", ${size}, \"${digest}\"},\n")
endforeach()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
