# Authenticode signatures for every file the package ships and the package
# itself.  A release build is given its certificate and key (PEM files,
# QUORVEL_SIGNING_CERT and QUORVEL_SIGNING_KEY); any other build makes a
# throwaway certificate of its own once, so that every build signs and the
# tests verify every signature.  Timestamping needs a network and waits for
# the release machine.
find_program(OSSLSIGNCODE osslsigncode REQUIRED)
set(QUORVEL_SIGNING_CERT "" CACHE FILEPATH "Code signing certificate (PEM); empty makes a test certificate")
set(QUORVEL_SIGNING_KEY "" CACHE FILEPATH "Private key of the code signing certificate (PEM)")
if(NOT QUORVEL_SIGNING_CERT)
  set(QUORVEL_SIGNING_CERT ${CMAKE_BINARY_DIR}/signing/test-certificate.pem)
  set(QUORVEL_SIGNING_KEY ${CMAKE_BINARY_DIR}/signing/test-key.pem)
  if(NOT EXISTS ${QUORVEL_SIGNING_CERT})
    find_program(OPENSSL openssl REQUIRED)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/signing)
    execute_process(
      COMMAND ${OPENSSL} req -x509 -newkey rsa:3072 -sha256 -days 3650 -nodes
              -subj "/CN=QuorvelCpl test signing" -addext "extendedKeyUsage=codeSigning"
              -keyout ${QUORVEL_SIGNING_KEY} -out ${QUORVEL_SIGNING_CERT}
      RESULT_VARIABLE made OUTPUT_QUIET ERROR_QUIET)
    if(NOT made EQUAL 0)
      message(FATAL_ERROR "Could not make a test signing certificate with ${OPENSSL}")
    endif()
  endif()
endif()
set(QUORVEL_SIGNING_ARGUMENTS -certs ${QUORVEL_SIGNING_CERT} -key ${QUORVEL_SIGNING_KEY} -h sha256
    -n "Bluetooth Settings")

# Signs the target's file after it is linked (and after any step declared
# before this call, such as stripping).
function(quorvel_sign target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${OSSLSIGNCODE} sign ${QUORVEL_SIGNING_ARGUMENTS} -in $<TARGET_FILE:${target}>
            -out $<TARGET_FILE:${target}>.signed
    COMMAND ${CMAKE_COMMAND} -E rename $<TARGET_FILE:${target}>.signed $<TARGET_FILE:${target}>
    COMMENT "Signing $<TARGET_FILE_NAME:${target}>"
    VERBATIM)
endfunction()
