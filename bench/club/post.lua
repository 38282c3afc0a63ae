-- One service request, POSTed as the desktop program sends it. BODY comes from the
-- environment: "gid=5" (ReadTopList) or "readtable10=5&gid=5" (ReadTables).
wrk.method = "POST"
wrk.body = os.getenv("BODY")
wrk.headers["Content-Type"] = "application/x-www-form-urlencoded"
wrk.headers["User-Agent"] = "TolvMirkPanuz"

-- Counts answers that are not in the service's grammar, so a fast error is not a result.
local bad = 0
response = function(status, headers, body)
  if status ~= 200 or string.sub(body, 1, 1) ~= "$" then bad = bad + 1 end
end
done = function(summary, latency, requests)
  io.write(string.format("answers not in the grammar: %d\n", bad))
end
