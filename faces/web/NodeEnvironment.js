// The tests run under node read their settings (ANGLARIX_VECTORS_DIR) with getenv, which sees
// only the module's own environment: copy node's into it before main.
Module['preRun'] = Module['preRun'] || [];
Module['preRun'].push(function() {
  if (typeof process === 'object' && process.env) Object.assign(ENV, process.env);
});
