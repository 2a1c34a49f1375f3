#!/usr/bin/env python3
"""An FTP server for the publisher's tests (pyftpdlib).

ftp_server.py FOLDER USER PASSWORD [--drop-after BYTES] [--throttle BYTES]
                                    [--disk-full] [--no-rename] [--tls PEM]

Serves FOLDER to USER on 127.0.0.1 at a free port, which it prints as the
first line of its output, and ends when its input closes. --drop-after
closes both connections once an upload has brought that many bytes;
--throttle takes uploads in at that many bytes a second; --disk-full
refuses every upload as a server out of room does; --no-rename takes files
but refuses to rename them; --tls requires
explicit TLS (AUTH TLS) with the certificate and key in PEM.
"""
import argparse
import sys
import threading

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import DTPHandler, FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("folder")
    parser.add_argument("user")
    parser.add_argument("password")
    parser.add_argument("--drop-after", type=int, default=0)
    parser.add_argument("--throttle", type=int, default=0)
    parser.add_argument("--disk-full", action="store_true")
    parser.add_argument("--no-rename", action="store_true")
    parser.add_argument("--tls")
    args = parser.parse_args()

    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.folder, perm="elradmwMT" if args.no_rename else "elradfmwMT")

    if args.throttle:
        class Data(ThrottledDTPHandler):
            read_limit = args.throttle
    else:
        class Data(DTPHandler):
            pass

    if args.drop_after:
        class Dropping(Data):
            # Small reads, so the drop comes close to the byte count.
            ac_in_buffer_size = 4096

            def handle_read(self):
                super().handle_read()
                if self.tot_bytes_received >= args.drop_after:
                    self.cmd_channel.close()
                    self.close()

            # The base class binds this name to its own handle_read.
            handle_read_event = handle_read
        data_handler = Dropping
    else:
        data_handler = Data

    if args.tls:
        # Needs pyOpenSSL, which only this mode imports.
        from pyftpdlib.handlers import TLS_DTPHandler, TLS_FTPHandler

        class SecureData(TLS_DTPHandler):
            # libcurl starts the data connection's handshake before it
            # sends STOR, which pyftpdlib takes for a client gone.
            def readable(self):
                return self._ssl_accepting or super().readable()

        class Secure(TLS_FTPHandler):
            certfile = args.tls
            dtp_handler = SecureData
            tls_control_required = True
            tls_data_required = True
        base = Secure
    else:
        class Plain(FTPHandler):
            dtp_handler = data_handler
        base = Plain

    class Handler(base):
        def ftp_STOR(self, file, mode="w"):
            if args.disk_full:
                self.respond("452 Insufficient storage space.")
            else:
                return super().ftp_STOR(file, mode)

    Handler.authorizer = authorizer
    server = FTPServer(("127.0.0.1", 0), Handler)
    print(server.address[1], flush=True)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    sys.stdin.read()
    server.close_all()


if __name__ == "__main__":
    import logging
    logging.basicConfig(level=logging.ERROR)
    main()
