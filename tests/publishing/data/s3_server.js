// An S3-compatible server for the publishing tests: s3rver on 127.0.0.1
// at a free port, its objects in DIRECTORY, with one bucket. It checks
// Signature Version 4 against the access key S3RVER and its secret S3RVER.
// Prints the port once it listens.
// Usage: node s3_server.js S3RVER_MODULE_DIR DIRECTORY BUCKET
const [moduleDir, directory, bucket] = process.argv.slice(2);
const S3rver = require(moduleDir);
new S3rver({ address: '127.0.0.1', port: 0, directory, silent: true, configureBuckets: [{ name: bucket, configs: [] }] })
    .run()
    .then((address) => console.log(address.port))
    .catch((error) => {
        console.error(error);
        process.exit(1);
    });
