# embed_resources(target ...) is defined with the resource registry of
# platform/win32; this placeholder keeps the include valid until then.
if(NOT COMMAND embed_resources)
  function(embed_resources target)
  endfunction()
endif()
